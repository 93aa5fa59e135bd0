// The editor's benchmark: the real editor in its window, timed on large
// scenarios. `sahne_bench --first-frame` starts the editor, draws one frame and
// prints the time from the program's start; `sahne_bench [--start MS,MS,...]
// [--shots DIR] FILE.zev...` opens each file in turn (smallest first) and prints
// one table of the figures, their goals and whether each is met.
#include "app/Editor.h"
#include "app/EditorApplication.h"
#include "document/Commands.h"
#include "document/FileAccess.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioFormat.h"

#include <Ogre.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
const Clock::time_point programStart = Clock::now();

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double timed(const std::function<void()>& work)
{
    const Clock::time_point start = Clock::now();
    work();
    return millisecondsSince(start);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Resident memory of this process in megabytes.
double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Bytes the allocator has handed out and not got back, in megabytes: unlike the
// resident size it does not keep pages the allocator holds on to after a free.
double heapInUseMegabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

struct Pose {
    const char* name;
    Ogre::Vector3 position;
    Ogre::Vector3 target;
};

// The number of entries in the scenario file.
std::size_t itemCount(const std::string& path)
{
    std::string text;
    if (!readWholeFile(path, text).empty())
        return 0;
    return parseScenario(text).document.entries.size();
}

struct Figures {
    std::size_t items = 0;
    double frameRatio = 0;       // the worst pose's median ratio of its frame to the empty scene's
    std::vector<double> frames;  // median frame per pose, ms
    double pick = 0, firstOpen = 0, reopen = 0, save = 0, parse = 0;
    double memoryPerItemKb = 0, memory = 0, reopenGrowth = 0;
    double hitsPerPick = 0;
    // The overview windows: the map's part of a frame with the camera moving
    // and of a frame after an edit, the frame with the map open over the frame
    // without it; the list's opening and its slowest filter keystroke.
    double mapMoving = 0, mapEdited = 0, mapFrameRatio = 0, listOpen = 0, listFilter = 0;
};

class BenchApplication : public EditorApplication {
public:
    std::vector<std::string> files;
    std::string shots;
    std::vector<double> startTimes;
    bool firstFrameOnly = false;
    int frameRuns = 3, framesPerRun = 15;

    void run() override
    {
        if (!setup())
            return;
        root->renderOneFrame();
        const double firstFrame = millisecondsSince(programStart);
        if (firstFrameOnly) {
            std::cout << "first_frame_ms " << firstFrame << std::endl;
            return;
        }
        // Without start times of fresh processes, this one's start counts.
        if (startTimes.empty())
            startTimes.push_back(firstFrame);
        Editor& parts = editorParts();
        parts.documents().newScenario();
        home = Pose{"start", camera->getPosition(), camera->getPosition() + camera->getDirection() * 100};
        poses = {home, Pose{"overview", {0, 120, 300}, {0, 0, 0}}};
        for (int i = 0; i < 20; ++i)
            root->renderOneFrame();

        const std::vector<double> empty = frameTimes("empty");
        const double emptyMemory = residentMegabytes();

        std::vector<Figures> results;
        for (const std::string& file : files)
            results.push_back(measure(file, emptyMemory));
        report(results, empty, emptyMemory);
    }

private:
    void look(const Pose& pose)
    {
        camera->setPosition(pose.position);
        camera->lookAt(pose.target);
    }

    // Median frame time for each pose: medians of several runs of frames.
    std::vector<double> frameTimes(const std::string& label)
    {
        std::vector<double> result;
        for (const Pose& pose : poses) {
            look(pose);
            for (int i = 0; i < 3; ++i)
                root->renderOneFrame();
            std::vector<double> runs;
            for (int run = 0; run < frameRuns; ++run) {
                std::vector<double> frames;
                for (int i = 0; i < framesPerRun; ++i)
                    frames.push_back(timed([this] { root->renderOneFrame(); }));
                runs.push_back(median(frames));
            }
            result.push_back(median(runs));
            if (!shots.empty())
                window->writeContentsToFile(shots + "/" + label + "_" + pose.name + ".png");
        }
        look(home);
        return result;
    }

    Figures measure(const std::string& file, double emptyMemory)
    {
        Editor& parts = editorParts();
        Figures figures;
        figures.items = itemCount(file);
        std::cerr << "bench: " << file << " (" << figures.items << " items)" << std::endl;

        figures.firstOpen = timed([&] { parts.documents().openFile(file); });
        root->renderOneFrame();
        // Open over the same scenario: the clear of the loaded scene and the build.
        std::vector<double> reopens, memories;
        for (int i = 0; i < 3; ++i) {
            reopens.push_back(timed([&] { parts.documents().openFile(file); }));
            root->renderOneFrame();
            memories.push_back(heapInUseMegabytes());
        }
        figures.reopen = median(reopens);
        figures.reopenGrowth = memories.back() - memories[1];

        // 100 clicks spread over the camera view.
        std::vector<double> picks;
        std::size_t hits = 0;
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 10; ++column) {
                const ViewPoint at{0.05f + 0.1f * static_cast<float>(column), 0.05f + 0.1f * static_cast<float>(row)};
                picks.push_back(timed([&] { hits += parts.picker().pick(at).size(); }));
            }
        figures.pick = median(picks);
        figures.hitsPerPick = static_cast<double>(hits) / 100.0;

        const std::string saved = "/tmp/sahne-bench-save.zev";
        std::vector<double> saves;
        for (int i = 0; i < 5; ++i)
            saves.push_back(timed([&] { saveScenario(parts.document(), saved); }));
        figures.save = median(saves);
        std::remove(saved.c_str());

        std::string text;
        readWholeFile(file, text);
        std::vector<double> parses;
        for (int i = 0; i < 5; ++i)
            parses.push_back(timed([&] {
                if (parseScenario(text).error)
                    std::cerr << "bench: " << file << " does not parse" << std::endl;
            }));
        figures.parse = median(parses);

        // Frames, each time beside the empty scene's of the same moment: the
        // machine's load changes over a run, the ratio of neighbours much less.
        const std::string label = std::to_string(figures.items);
        std::vector<std::vector<double>> ratios(poses.size());
        for (int round = 0; round < 2; ++round) {
            if (round > 0)
                parts.documents().openFile(file);
            const std::vector<double> loaded = frameTimes(label);
            if (round == 0) {
                figures.frames = loaded;
                figures.memory = residentMegabytes();
            }
            parts.documents().newScenario();
            const std::vector<double> emptyNow = frameTimes("empty");
            for (std::size_t pose = 0; pose < poses.size(); ++pose)
                ratios[pose].push_back(loaded[pose] / emptyNow[pose]);
        }
        for (const std::vector<double>& pose : ratios)
            figures.frameRatio = std::max(figures.frameRatio, median(pose));
        figures.memoryPerItemKb = (figures.memory - emptyMemory) * 1024.0 / std::max<std::size_t>(figures.items, 1);
        parts.documents().openFile(file);
        measureOverview(figures);
        return figures;
    }

    void measureOverview(Figures& figures)
    {
        Editor& parts = editorParts();
        look(home);
        const auto frames = [this] {
            std::vector<double> times;
            for (int i = 0; i < framesPerRun; ++i)
                times.push_back(timed([this] { root->renderOneFrame(); }));
            return median(times);
        };
        const double closed = frames();
        MapWindow& map = parts.map();
        map.toggle();
        root->renderOneFrame();
        figures.mapFrameRatio = frames() / closed;

        std::vector<double> moving, edited;
        for (int i = 0; i < framesPerRun; ++i) {
            camera->moveRelative(Ogre::Vector3(1, 0, 0));
            moving.push_back(timed([&] { map.frame(); }));
        }
        const Item first = parts.document().items().front();
        for (int i = 0; i < 5; ++i) {
            parts.document().execute(std::make_unique<ChangeItem>(first, shiftedBy(first, 1, 0)));
            edited.push_back(timed([&] { map.frame(); }));
            parts.document().undo();
            map.frame();
        }
        map.toggle();
        figures.mapMoving = median(moving);
        figures.mapEdited = *std::max_element(edited.begin(), edited.end());

        ListWindow& list = parts.list();
        figures.listOpen = timed([&] { list.toggle(); });
        for (const char* typed : {"a", "ad", "ada", "adam", "", "Yavas", "kup"}) {
            figures.listFilter = std::max(figures.listFilter, timed([&] {
                list.items().setFilter(typed);
                list.frame();
            }));
        }
        list.items().setFilter("");
        list.toggle();
    }

    static std::string number(double value, int decimals)
    {
        std::ostringstream text;
        text.setf(std::ios::fixed);
        text.precision(decimals);
        text << value;
        return text.str();
    }

    static void row(const std::string& what, const std::string& value, const std::string& goal, int verdict)
    {
        std::printf("| %-52s | %15s | %10s | %-4s |\n", what.c_str(), value.c_str(), goal.c_str(),
                    verdict < 0 ? "" : verdict ? "pass" : "FAIL");
    }

    void report(const std::vector<Figures>& results, const std::vector<double>& empty, double emptyMemory)
    {
        std::printf("\nempty scene: frame %s ms (start view), %s ms (overview); memory %s MB\n\n",
                    number(empty[0], 1).c_str(), number(empty[1], 1).c_str(), number(emptyMemory, 0).c_str());
        std::printf("| %-52s | %15s | %10s | %-4s |\n", "figure", "measured", "goal", "");
        std::printf("|%s|%s|%s|%s|\n", std::string(54, '-').c_str(), std::string(17, '-').c_str(),
                    std::string(12, '-').c_str(), std::string(6, '-').c_str());
        const double start = median(startTimes);
        row("start to first frame (ms, median of " + std::to_string(startTimes.size()) + ")", number(start, 0),
            "< 500", start < 500);
        for (const Figures& f : results) {
            const std::string n = std::to_string(f.items) + " items: ";
            const bool at10k = f.items == 10000, at50k = f.items == 50000;
            row(n + "frame / empty frame (worst view)", number(f.frameRatio, 2) + "x",
                at10k ? "<= 1.3x" : at50k ? "<= 2x" : "-",
                at10k ? f.frameRatio <= 1.3 : at50k ? f.frameRatio <= 2.0 : -1);
            row(n + "frame ms (start view / overview)", number(f.frames[0], 1) + " / " + number(f.frames[1], 1), "-",
                -1);
            row(n + "pick ms (median of 100 clicks)", number(f.pick, 3), at50k ? "< 0.2" : "-",
                at50k ? f.pick < 0.2 : -1);
            row(n + "Open over the loaded scenario ms", number(f.reopen, 1), at50k ? "< 500" : "-",
                at50k ? f.reopen < 500 : -1);
            row(n + "first Open ms", number(f.firstOpen, 1), "-", -1);
            row(n + "save ms", number(f.save, 1), at50k ? "< 50" : "-", at50k ? f.save < 50 : -1);
            row(n + "parse ms", number(f.parse, 1), at50k ? "< 30" : "-", at50k ? f.parse < 30 : -1);
            row(n + "memory MB (per item KB)", number(f.memory, 0) + " (" + number(f.memoryPerItemKb, 2) + ")",
                "<= 4 KB", f.items >= 10000 ? f.memoryPerItemKb <= 4.0 : -1);
            row(n + "memory growth, Open to Open (heap MB)", number(f.reopenGrowth, 1), "<= 1",
                f.reopenGrowth <= 1.0);
            row(n + "hits per pick (for reference)", number(f.hitsPerPick, 1), "-", -1);
            row(n + "map ms a frame, camera moving / after an edit",
                number(f.mapMoving, 3) + " / " + number(f.mapEdited, 2), at50k ? "<= 2" : "-",
                at50k ? f.mapMoving <= 2 && f.mapEdited <= 2 : -1);
            row(n + "frame with the map open / closed", number(f.mapFrameRatio, 2) + "x", "-", -1);
            row(n + "list: opening ms / slowest filter keystroke ms",
                number(f.listOpen, 1) + " / " + number(f.listFilter, 1), at50k ? "< 100" : "-",
                at50k ? f.listOpen < 100 && f.listFilter < 100 : -1);
        }
        std::fflush(stdout);
    }

    Pose home{};
    std::vector<Pose> poses;
};

std::vector<double> numbers(const std::string& list)
{
    std::vector<double> values;
    std::istringstream text(list);
    std::string value;
    while (std::getline(text, value, ','))
        if (!value.empty())
            values.push_back(std::stod(value));
    return values;
}

}  // namespace

int main(int argc, char** argv)
{
    BenchApplication app;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--first-frame")
            app.firstFrameOnly = true;
        else if (arg == "--start" && i + 1 < argc)
            app.startTimes = numbers(argv[++i]);
        else if (arg == "--shots" && i + 1 < argc) {
            app.shots = argv[++i];
            std::filesystem::create_directories(app.shots);
        }
        else if (arg == "--frames" && i + 1 < argc)
            app.framesPerRun = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--help") {
            std::cout << "usage: sahne_bench --first-frame | [--start MS,...] [--shots DIR] [--frames N] FILE.zev...\n";
            return 0;
        } else
            app.files.push_back(arg);
    }
    try {
        app.run();
    } catch (const Ogre::Exception& e) {
        std::cerr << "bench: " << e.getFullDescription() << std::endl;
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "bench: " << e.what() << std::endl;
        return 1;
    }
    return 0;
}
