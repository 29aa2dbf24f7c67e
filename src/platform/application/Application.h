// The application object: its name for the desktop, its title, its standard error
// box, and the one place where an exception escaping any event handler is caught
// and shown. Qt sees none of the command line but the program's name.
#pragma once

#include <QApplication>

#include <exception>
#include <new>

namespace platform {

class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    [[nodiscard]] static QString title();
    static void setTitle(const QString &title);

    // The standard error box, captioned with the title. For an exception that is not
    // a std::exception pass null: the box then shows no text.
    static void showException(const std::exception *failure);
    // The message as the box shows it: a "." is added behind a last character
    // that sorts after it.
    [[nodiscard]] static QString boxText(const QString &message);

    // Creates a window, storing it in `form` before it is constructed, then tells it
    // that it is complete; a failure there is shown and the window still comes up.
    template <class Form> static void createForm(Form *&form) {
        form = static_cast<Form *>(::operator new(sizeof(Form)));
        try {
            new (form) Form();
        } catch (...) {
            ::operator delete(form);
            form = nullptr;
            throw;
        }
        try {
            form->notifyCreated();
        } catch (const std::exception &failure) {
            showException(&failure);
        } catch (...) {
            showException(nullptr);
        }
    }

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace platform
