// The editor's benchmark: the real editor in its window, timed on large
// scenarios. `sahne_bench --first-frame` starts the editor, draws one frame and
// prints the time since the process started (the loading of its libraries
// included); `sahne_bench [--start MS,MS,...] [--shots DIR] FILE.zev...` opens
// each file in turn and prints one table of the figures, their goals and
// whether each is met. Files named "street_*"
// hold a dense street, the others items spread over the whole terrain.
#include "app/Editor.h"
#include "app/EditorApplication.h"
#include "app/bench/ReferenceView.h"
#include "document/Commands.h"
#include "document/FileAccess.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioFormat.h"
#include "scene/terrain/TerrainSceneManager.h"

#include <Ogre.h>

#include <malloc.h>
#include <time.h>
#include <unistd.h>

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

// Milliseconds since the kernel started this process, before the dynamic
// loader mapped a single library, at the resolution of the clock tick.
double millisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the program's name in parentheses; the start is the 22nd.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string skipped;
    for (int field = 3; field < 22; ++field)
        fields >> skipped;
    unsigned long long ticks = 0;
    fields >> ticks;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double started = static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
    return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - started) * 1000.0;
}

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

// Processor time of the whole process (every thread, the renderer's too) in
// milliseconds: unlike the clock it hardly grows when other programs share the
// machine.
double processorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
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

// Pixels of the camera view that may differ from the reference picture, as a
// share of the view, and the colour distance below which two pixels count as
// the same.
constexpr double fidelityGoalPercent = 0.1;
constexpr double sameColourFuzz = 0.08;

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
    bool street = false;
    double frameRatio = 0;           // the worst view's median ratio of its frame to the empty scene's
    std::vector<double> frames;      // median frame per view, ms
    std::vector<double> processor;   // processor time per frame in each view, ms
    std::vector<double> differing;   // per view, % of the picture
    double worstDiffering = 0;
    double worstEditFrame = 0;       // ms, an edit and the frame after it
    double worstEditAlone = 0;       // ms, the slowest edit's command and observers, without its frame
    double worstEditProcessor = 0;   // processor ms of the costliest edit with its frame
    double editFrameRatio = 0;       // the worst edit with its frame over a frame without an edit there
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
    std::vector<double> startTimes, startProcessorTimes;
    bool firstFrameOnly = false;
    int frameRuns = 3, framesPerRun = 15;

    void run() override
    {
        if (!setup())
            return;
        root->renderOneFrame();
        const double firstFrame = millisecondsSinceProcessStart();
        if (firstFrameOnly) {
            // The processor time too: on a busy machine it hardly grows.
            std::cout << "first_frame_ms " << firstFrame << "\nfirst_frame_processor_ms " << processorMilliseconds()
                      << std::endl;
            return;
        }
        // Without start times of fresh processes, this one's start counts.
        if (startTimes.empty())
            startTimes.push_back(firstFrame);
        Editor& parts = editorParts();
        parts.documents().newScenario();
        home = Pose{"start", camera->getPosition(), camera->getPosition() + camera->getDirection() * 100};
        poses = {home, Pose{"overview", {0, 120, 300}, {0, 0, 0}}, above("street", {25, 12, -60}, {-30, 0, -240})};
        for (int i = 0; i < 20; ++i)
            root->renderOneFrame();

        const std::vector<double> empty = frameTimes("empty");
        emptyProcessor = processorTimes;
        const double emptyMemory = residentMegabytes();

        std::vector<Figures> results;
        for (const std::string& file : files)
            results.push_back(measure(file, emptyMemory));
        // The reference drawings last: their entities would swell the memory
        // measured for the scenarios after them.
        for (std::size_t i = 0; i < files.size(); ++i) {
            parts.documents().openFile(files[i]);
            results[i].differing = fidelity(std::filesystem::path(files[i]).stem().string());
            results[i].worstDiffering = *std::max_element(results[i].differing.begin(), results[i].differing.end());
        }
        parts.documents().newScenario();
        report(results, empty, emptyMemory);
    }

private:
    // A pose whose heights are given over the terrain under each point.
    Pose above(const char* name, Ogre::Vector3 position, Ogre::Vector3 target) const
    {
        const auto* terrain = dynamic_cast<const TerrainSceneManager*>(sceneManager);
        for (Ogre::Vector3* point : {&position, &target})
            if (terrain)
                point->y += terrain->getHeightAt(point->x, point->z).value_or(0);
        return Pose{name, position, target};
    }

    void look(const Pose& pose)
    {
        camera->setPosition(pose.position);
        camera->lookAt(pose.target);
    }

    Ogre::RenderTarget& cameraView() const
    {
        return *Ogre::TextureManager::getSingleton().getByName("RttTex", "General")->getBuffer()->getRenderTarget();
    }

    // Median frame time for each pose: medians of several runs of frames; and
    // in processorTimes the median processor time a frame took in each run.
    std::vector<double> frameTimes(const std::string& label)
    {
        std::vector<double> result;
        processorTimes.clear();
        for (const Pose& pose : poses) {
            look(pose);
            for (int i = 0; i < 3; ++i)
                root->renderOneFrame();
            std::vector<double> runs, processor;
            for (int run = 0; run < frameRuns; ++run) {
                std::vector<double> frames;
                const double before = processorMilliseconds();
                for (int i = 0; i < framesPerRun; ++i)
                    frames.push_back(timed([this] { root->renderOneFrame(); }));
                processor.push_back((processorMilliseconds() - before) / framesPerRun);
                runs.push_back(median(frames));
            }
            result.push_back(median(runs));
            processorTimes.push_back(median(processor));
            if (!shots.empty())
                window->writeContentsToFile(shots + "/" + label + "_" + pose.name + ".png");
        }
        look(home);
        return result;
    }

    // For each pose, the share of the camera view (in %) that differs from the
    // reference drawing. The sky is left out of both: its clouds drift.
    std::vector<double> fidelity(const std::string& label)
    {
        Editor& parts = editorParts();
        ReferenceItems reference(*sceneManager, parts.document(), parts.mirror());
        sceneManager->setSkyDomeEnabled(false);
        std::vector<double> result;
        for (const Pose& pose : poses) {
            look(pose);
            root->renderOneFrame();
            const Picture editor = pictureOf(cameraView());
            reference.show(true);
            root->renderOneFrame();
            const Picture expected = pictureOf(cameraView());
            reference.show(false);
            const std::size_t differing = differingPixels(editor, expected, sameColourFuzz);
            result.push_back(100.0 * static_cast<double>(differing) / static_cast<double>(editor.width * editor.height));
            if (!shots.empty()) {
                savePicture(editor, shots + "/" + label + "_" + pose.name + "_editor.png");
                savePicture(expected, shots + "/" + label + "_" + pose.name + "_reference.png");
            }
        }
        sceneManager->setSkyDomeEnabled(true);
        look(home);
        return result;
    }

    // The slowest of 50 edits, each with the frame that shows it, at the start
    // view: placing, moving, moving an item of the file, deleting and undoing;
    // beside it the slowest edit without its frame and the median frame there
    // without an edit, which tell what an edit adds to its frame.
    void measureEdits(const std::string& file, Figures& figures)
    {
        Editor& parts = editorParts();
        Document& document = parts.document();
        look(home);
        for (int i = 0; i < 3; ++i)
            root->renderOneFrame();
        std::vector<double> unedited;
        for (int i = 0; i < framesPerRun; ++i)
            unedited.push_back(timed([this] { root->renderOneFrame(); }));
        std::vector<ItemId> inFront;
        for (const Item& item : document.items())
            if (item.kind == ItemKind::Object && std::abs(item.x) < 60 && item.z > -100 && item.z < 40)
                inFront.push_back(item.id);
        double worst = 0, worstAlone = 0, worstProcessor = 0;
        ItemId placed = -1;
        for (int edit = 0; edit < 50; ++edit) {
            const int x = (edit * 7) % 50 - 25, z = -(edit * 11) % 90 + 20;
            const Clock::time_point start = Clock::now();
            const double processorBefore = processorMilliseconds();
            const double took = timed([&] {
                switch (edit % 5) {
                case 0:
                    placed = document.peekId();
                    document.execute(std::make_unique<AddItem>(makeObject(placed, "polis.mesh", x, z)));
                    parts.selection().select(placed);
                    break;
                case 1:
                    document.execute(std::make_unique<ChangeItem>(*document.find(placed), movedTo(*document.find(placed), x, z)));
                    break;
                case 2:
                    if (!inFront.empty()) {
                        const Item& item = *document.find(inFront[static_cast<std::size_t>(edit) % inFront.size()]);
                        document.execute(std::make_unique<ChangeItem>(item, movedTo(item, x, z)));
                    }
                    break;
                case 3:
                    parts.selection().clear();
                    document.execute(std::make_unique<RemoveItem>(placed));
                    break;
                default:
                    document.undo();
                    break;
                }
                worstAlone = std::max(worstAlone, millisecondsSince(start));
                root->renderOneFrame();
            });
            worst = std::max(worst, took);
            worstProcessor = std::max(worstProcessor, processorMilliseconds() - processorBefore);
        }
        parts.selection().clear();
        // As if saved: New then goes ahead without asking.
        document.markSaved(file);
        figures.worstEditFrame = worst;
        figures.worstEditAlone = worstAlone;
        figures.worstEditProcessor = worstProcessor;
        figures.editFrameRatio = worst / median(unedited);
    }

    Figures measure(const std::string& file, double emptyMemory)
    {
        Editor& parts = editorParts();
        Figures figures;
        figures.items = itemCount(file);
        figures.street = std::filesystem::path(file).filename().string().rfind("street_", 0) == 0;
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
        const std::string label = std::filesystem::path(file).stem().string();
        std::vector<std::vector<double>> ratios(poses.size());
        for (int round = 0; round < 2; ++round) {
            if (round > 0)
                parts.documents().openFile(file);
            const std::vector<double> loaded = frameTimes(label);
            if (round == 0) {
                figures.frames = loaded;
                figures.processor = processorTimes;
                figures.memory = residentMegabytes();
                measureEdits(file, figures);
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

    static std::string joined(const std::vector<double>& values, int decimals)
    {
        std::string text;
        for (double value : values)
            text += (text.empty() ? "" : " / ") + number(value, decimals);
        return text;
    }

    static void row(const std::string& what, const std::string& value, const std::string& goal, int verdict)
    {
        std::printf("| %-66s | %22s | %10s | %-4s |\n", what.c_str(), value.c_str(), goal.c_str(),
                    verdict < 0 ? "" : verdict ? "pass" : "FAIL");
    }

    void report(const std::vector<Figures>& results, const std::vector<double>& empty, double emptyMemory)
    {
        std::string views;
        for (const Pose& pose : poses)
            views += (views.empty() ? "" : " / ") + std::string(pose.name);
        std::printf("\nviews: %s\nempty scene: frame %s ms (processor %s ms); memory %s MB\n\n", views.c_str(),
                    joined(empty, 1).c_str(), joined(emptyProcessor, 1).c_str(), number(emptyMemory, 0).c_str());
        std::printf("| %-66s | %22s | %10s | %-4s |\n", "figure", "measured", "goal", "");
        std::printf("|%s|%s|%s|%s|\n", std::string(68, '-').c_str(), std::string(24, '-').c_str(),
                    std::string(12, '-').c_str(), std::string(6, '-').c_str());
        const double start = median(startTimes);
        row("start to first frame (ms, median of " + std::to_string(startTimes.size()) + ")", number(start, 0),
            "< 400", start < 400);
        if (!startProcessorTimes.empty())
            row("start to first frame, processor ms (median of " + std::to_string(startProcessorTimes.size()) + ")",
                number(median(startProcessorTimes), 0), "-", -1);
        for (const Figures& f : results) {
            const std::string n = std::to_string(f.items) + (f.street ? " items in a street: " : " items: ");
            const bool at10k = !f.street && f.items == 10000, at50k = !f.street && f.items == 50000;
            const double frameGoal = f.street ? 2.0 : at10k ? 1.3 : at50k ? 1.6 : 0;
            row(n + "frame / empty frame (worst view)", number(f.frameRatio, 2) + "x",
                frameGoal > 0 ? "<= " + number(frameGoal, 1) + "x" : "-",
                frameGoal > 0 ? f.frameRatio <= frameGoal : -1);
            row(n + "frame ms (each view)", joined(f.frames, 1), "-", -1);
            row(n + "processor ms a frame (each view)", joined(f.processor, 1), "-", -1);
            row(n + "pixels unlike the reference % (worst view)", number(f.worstDiffering, 3),
                "<= " + number(fidelityGoalPercent, 1), f.worstDiffering <= fidelityGoalPercent);
            row(n + "pixels unlike the reference % (each view)", joined(f.differing, 3), "-", -1);
            row(n + "worst frame of 50 edits ms", number(f.worstEditFrame, 1), at50k ? "< 100" : "-",
                at50k ? f.worstEditFrame < 100 : -1);
            row(n + "slowest edit without its frame ms", number(f.worstEditAlone, 1), "-", -1);
            row(n + "processor ms of the costliest edit with its frame", number(f.worstEditProcessor, 1), "-", -1);
            row(n + "worst edit with its frame / frame without an edit", number(f.editFrameRatio, 2) + "x", "-", -1);
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
    std::vector<double> processorTimes, emptyProcessor;
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
        else if (arg == "--start-processor" && i + 1 < argc)
            app.startProcessorTimes = numbers(argv[++i]);
        else if (arg == "--shots" && i + 1 < argc) {
            app.shots = argv[++i];
            std::filesystem::create_directories(app.shots);
        }
        else if (arg == "--frames" && i + 1 < argc)
            app.framesPerRun = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--help") {
            std::cout << "usage: sahne_bench --first-frame | [--start MS,...] [--start-processor MS,...] [--shots DIR] "
                         "[--frames N] FILE.zev...\n";
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
