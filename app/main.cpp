#include "app/DesktopStart.h"
#include "app/EditorApplication.h"
#include "document/Translation.h"
#include "platform/ErrorBox.h"
#include "platform/host/EndRequest.h"

#include <CEGUI/Exceptions.h>
#include <OgreException.h>

#include <exception>

namespace {

const char* const errorCaption = N_("An exception has occured!");
const char* const unknownFailure = N_("Editor bilinmeyen bir nedenle durdu.");

// What reaches the end of the program unhandled still gets its message shown.
void reportAndAbort()
{
    try {
        if (std::exception_ptr current = std::current_exception())
            std::rethrow_exception(current);
        platform::showErrorBox(tr(errorCaption), tr(unknownFailure));
    } catch (const std::exception& e) {
        platform::showErrorBox(tr(errorCaption), e.what());
    } catch (...) {
        platform::showErrorBox(tr(errorCaption), tr(unknownFailure));
    }
    std::abort();
}

}  // namespace

int main(int argc, char** argv)
{
    StartRequest request;
    const int early = prepareDesktopStart(argc, argv, SAHNE_VERSION, SAHNE_INSTALLED_WORK_DIR, request);
    if (early >= 0)
        return early;
    platform::catchEndRequests();
    EditorApplication app;
    app.openAtStart(request.scenarioFile);
    std::set_terminate(reportAndAbort);
    try {
        app.run();
    } catch (const Ogre::Exception& e) {
        platform::showErrorBox(tr(errorCaption), e.getFullDescription());
    } catch (const CEGUI::Exception& e) {
        platform::showErrorBox(tr(errorCaption), e.what());
    } catch (const std::exception& e) {
        platform::showErrorBox(tr(errorCaption), e.what());
    }
    return 0;
}
