#include "app/EditorRecovery.h"

#include "document/Document.h"
#include "gui/EditorMode.h"
#include "gui/Notice.h"

#include <chrono>
#include <unistd.h>

EditorRecovery::Setup EditorRecovery::setupFor(const std::string& directory, double intervalSeconds)
{
    Setup setup;
    setup.directory = directory;
    setup.intervalSeconds = intervalSeconds;
    setup.process = static_cast<int>(getpid());
    setup.wallClock = [] { return std::time(nullptr); };
    setup.clock = [] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    };
    setup.processRuns = processRuns;
    return setup;
}

EditorRecovery::EditorRecovery(Document& document, DocumentController& documents, EditorMode& mode)
    : window(documents, mode), document(document), mode(mode)
{
}

EditorRecovery::~EditorRecovery() = default;

void EditorRecovery::start(Setup setup)
{
    autosave.reset();
    locks = std::make_unique<FileLocks>(setup.directory);
    folder = std::make_unique<RecoveryFolder>(RecoveryFolder::Host{
        setup.directory, setup.process, std::move(setup.wallClock), std::move(setup.processRuns), *locks});
    autosave = std::make_unique<Autosave>(document, *folder, setup.intervalSeconds, std::move(setup.clock),
                                          showNotice);
}

void EditorRecovery::offer(std::function<void()> next)
{
    if (folder)
        window.offer(*folder, std::move(next));
    else if (next)
        next();
}

void EditorRecovery::frame()
{
    if (!autosave)
        return;
    const bool runBegan = mode.isOn(Activity::TestRun) && !testRunning;
    testRunning = mode.isOn(Activity::TestRun);
    if (runBegan)
        autosave->writeNow();
    else
        autosave->poll();
}

bool EditorRecovery::keepForNextStart()
{
    if (!document.modified())
        return true;
    kept = autosave && autosave->writeNow();
    return kept;
}

void EditorRecovery::endSession()
{
    if (folder && !kept)
        folder->removeOwn();
}
