#include "app/CommandLine.h"

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    bool wantsHelp = false;
    bool wantsVersion = false;
    bool optionsEnded = false;
    auto usage = [&line](const std::string& error) {
        line.action = CommandLine::Action::Usage;
        line.error = error;
        line.scenarioFile.clear();
        return line;
    };
    for (const std::string& argument : arguments) {
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (isOption) {
            if (argument == "--")
                optionsEnded = true;
            else if (argument == "--help" || argument == "-h")
                wantsHelp = true;
            else if (argument == "--version")
                wantsVersion = true;
            else
                return usage("bilinmeyen secenek: " + argument);
            continue;
        }
        if (argument.empty())
            return usage("bos dosya adi");
        if (!line.scenarioFile.empty())
            return usage("yalnizca bir senaryo dosyasi verilebilir");
        line.scenarioFile = argument;
    }
    if (wantsHelp)
        line.action = CommandLine::Action::Help;
    else if (wantsVersion)
        line.action = CommandLine::Action::Version;
    return line;
}

std::string absoluteFrom(const std::string& startDirectory, const std::string& path)
{
    if (path.empty() || path[0] == '/' || startDirectory.empty())
        return path;
    if (startDirectory.back() == '/')
        return startDirectory + path;
    return startDirectory + "/" + path;
}

std::string usageLine()
{
    return "Kullanim: sahne [--help] [--version] [SENARYO.zev]";
}

std::string helpText(const std::string& version)
{
    return "Sahne " + version + ": uc boyutlu senaryo duzenleyici.\n"
           "\n"
           "Kullanim: sahne [SECENEK] [SENARYO.zev]\n"
           "\n"
           "  SENARYO.zev   baslarken acilacak senaryo dosyasi (Dosya > Ac gibi)\n"
           "  -h, --help    bu yardimi gosterir\n"
           "  --version     surumu gosterir\n";
}
