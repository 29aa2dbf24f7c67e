// The main window, TForm1, built from mainform.ui.
//
//   bsknbtn_format ──click──▶ bsknbtn_formatClick ──resume──▶ formatThread (TFormatThread)
//        ▲ caption                                              │ reads the input box, the case
//        └──────────── UiHandoff ◀── progress, output ─────────┘ and the bytes per line
//   bspngimgview1 ◀── frame ── mascotThread (TMascotThread), every 100 ms
//   bsknlbl_logo  ◀── colour ── logoThread (TLogoThread), every 40 ms
//   Ctrl+Return, anywhere ──▶ bsknbtn_format's click (the keypad's Enter too)
//   13 surfaces ──press──▶ FormMouseDown ──▶ WindowMover (the window follows the pointer)
//   bsknbtn_font ──click──▶ bsknfntdlg1 ──changed──▶ both text boxes' font
//
// The layout holds every control, value and binding; the code here only starts
// the threads and handles the five events. The skin (resources/skin) puts the
// window into a drawn frame: Form1->window() is that frame, Form1 its client area.
#pragma once

#include "application/Form.h"
#include "controls/PngImageStorage.h"
#include "skin/SkinData.h"
#include "ui_mainform.h"

class TFormatThread;
class TLogoThread;
class TMascotThread;

class TForm1 : public platform::Form, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(QWidget *owner = nullptr);

public Q_SLOTS:
    void bsknbtn_formatClick();
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void FormCreate();
    void bsknfntdlg1Change();
    void bsknbtn_fontClick();

private:
    platform::SkinData bskndt1;
    platform::PngImageStorage bspngmgstrg1;
    TFormatThread *formatThread = nullptr;
    TMascotThread *mascotThread = nullptr;
    TLogoThread *logoThread = nullptr;
};

extern TForm1 *Form1;
