// The start-up routine of hexloom: create the window, run it, exit with 0.
#include "application/Application.h"
#include "application/FontSubstitutes.h"
#include "mainform.h"
#include "threads/SuspendableThread.h"

#include <exception>

int main(int argc, char **argv) {
    platform::Application application(argc, argv);
    try {
        platform::installFontSubstitutes();
        // Windows gives the taskbar button to the application's own window unless the
        // main window asks for it; Qt has no such window, so the main window keeps it.
        platform::Application::createForm(Form1);
        // The skin puts the form into a frame: that frame is the window to show.
        Form1->window()->show();
        application.exec();
    } catch (const std::exception &failure) {
        platform::Application::showException(&failure);
    } catch (...) {
        platform::Application::showException(nullptr);
    }
    // The threads go before the window they draw into.
    platform::SuspendableThread::stopAll();
    if (Form1)
        delete Form1->window();
    return 0;
}
