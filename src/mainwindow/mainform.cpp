#include "mainform.h"
#include "skin/SkinSettings.h"

#include "MascotThread.h"
#include "TFormatThread.h"
#include "TLogoThread.h"
#include "application/Application.h"
#include "application/SkinnedWindow.h"
#include "skin/WindowMover.h"
#include "skin/WindowShortcut.h"

#include <QIcon>

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *owner)
    : platform::Form(owner)
    , bskndt1(QStringLiteral(":/skin/silver.skin"))
    , bspngmgstrg1(
          {QStringLiteral(":/mascot/PngImage0.png"), QStringLiteral(":/mascot/PngImage1.png"),
           QStringLiteral(":/mascot/PngImage2.png"), QStringLiteral(":/mascot/PngImage3.png")}) {
    setupUi(this);
    // The taskbar and the window switcher show the mascot; the caption bar shows no icon.
    QIcon icon(QStringLiteral(":/icons/hicolor-256.png"));
    icon.addFile(QStringLiteral(":/icons/hicolor-48.png"));
    setWindowIcon(icon);
    bspngimgview1->setImageStorage(&bspngmgstrg1);
    platform::putUnderSkin(this, bskndt1);
    // The buttons never take the focus; this is the keyboard's way to press 格式化.
    auto *formatKey =
        new platform::WindowShortcut(this, {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter});
    connect(formatKey, &platform::WindowShortcut::activated, bsknbtn_format,
            &QAbstractButton::click);
}

void TForm1::FormCreate() {
    platform::Application::setTitle(Form1->windowTitle());
    mascotThread = new TMascotThread(false, bspngimgview1);
    mascotThread->launch();
    logoThread = new TLogoThread(false, bsknlbl_logo);
    logoThread->launch();
    formatThread = new TFormatThread(true, bsknrichedt_aob, bsknrichedt_fmt, bsknradiobtn_uppercase,
                                     bsknnumedt_byte_per_line, bsknbtn_format, pb_fmt);
    formatThread->launch();
}

void TForm1::bsknbtn_formatClick() {
    // Without a worker (its creation failed) there is nothing to start.
    if (formatThread && formatThread->isSuspended())
        formatThread->resume();
}

void TForm1::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
    platform::WindowMover::moveWithPointer(this, platform::SkinSettings::kMagneticDistance);
}

void TForm1::bsknbtn_fontClick() {
    bsknfntdlg1->setChosenFont(bsknrichedt_aob->fontDescription());
    bsknfntdlg1->execute();
}

void TForm1::bsknfntdlg1Change() {
    bsknrichedt_aob->setFontDescription(bsknfntdlg1->chosenFont());
    bsknrichedt_fmt->setFontDescription(bsknfntdlg1->chosenFont());
}
