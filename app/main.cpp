#include "app/EditorApplication.h"
#include "platform/ErrorBox.h"

#include <CEGUI/Exceptions.h>
#include <OgreException.h>

#include <exception>

namespace {

const char* const errorCaption = "An exception has occured!";
const char* const unknownFailure = "Editor bilinmeyen bir nedenle durdu.";

// What reaches the end of the program unhandled still gets its message shown.
void reportAndAbort()
{
    try {
        if (std::exception_ptr current = std::current_exception())
            std::rethrow_exception(current);
        platform::showErrorBox(errorCaption, unknownFailure);
    } catch (const std::exception& e) {
        platform::showErrorBox(errorCaption, e.what());
    } catch (...) {
        platform::showErrorBox(errorCaption, unknownFailure);
    }
    std::abort();
}

}  // namespace

int main()
{
    EditorApplication app;
    std::set_terminate(reportAndAbort);
    try {
        app.run();
    } catch (const Ogre::Exception& e) {
        platform::showErrorBox(errorCaption, e.getFullDescription());
    } catch (const CEGUI::Exception& e) {
        platform::showErrorBox(errorCaption, e.what());
    } catch (const std::exception& e) {
        platform::showErrorBox(errorCaption, e.what());
    }
    return 0;
}
