// The main window as the user meets it: its layout, its controls' rules, the
// window drag, the window-wide keys, the font dialog, the error box and one
// conversion end to end.
#include "ModalDialogs.h"
#include "application/Application.h"
#include "application/FontSubstitutes.h"
#include "controls/FontDialog.h"
#include "mainform.h"
#include "threads/SuspendableThread.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QPushButton *buttonWithText(QWidget *window, const QString &text) {
    for (auto *button : window->findChildren<QPushButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Throws from its event handler, like a faulty handler of the program would.
class Faulty : public QObject {
public:
    bool event(QEvent *event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("broken handler");
        if (event->type() == QEvent::User + 1)
            throw 42;
        return QObject::event(event);
    }
};

// Counts the presses of one key that reach one control (QTest presses the
// modifier keys first, as keys of their own).
class KeyPressCount : public QObject {
public:
    KeyPressCount(QWidget *control, Qt::Key key)
        : key_(key) {
        control->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == key_)
            ++count;
        return false;
    }

private:
    Qt::Key key_;
};

// The items of the next menu to pop up, which it closes: "-" for a separator.
class NextPopupItems : public QObject {
public:
    NextPopupItems() {
        poll_.setInterval(10);
        connect(&poll_, &QTimer::timeout, this, [this] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                poll_.stop();
                for (QAction *action : menu->actions())
                    items << (action->isSeparator() ? QStringLiteral("-") : action->text());
                menu->close();
            }
        });
        poll_.start();
    }
    QStringList items;

private:
    QTimer poll_;
};

} // namespace

class tst_MainForm : public QObject {
    Q_OBJECT

    TForm1 *window() { return Form1; }
    template <class T = QWidget> T *control(const char *name) {
        return Form1->findChild<T *>(QLatin1String(name));
    }

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }

    void init() {
        platform::Application::createForm(Form1);
        Form1->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1->window()));
        // Without a window manager nobody activates a new window, and the focus
        // tests need it active.
        Form1->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1->window()));
    }

    void cleanup() {
        platform::SuspendableThread::stopAll();
        delete Form1->window();
        Form1 = nullptr;
    }

    void freshWindow() {
        QCOMPARE(window()->size(), QSize(591, 432));
        QCOMPARE(platform::Application::title(), QStringLiteral("Hexloom"));
        QVERIFY(window()->bsknrichedt_aob->isEmpty());
        QVERIFY(window()->bsknrichedt_fmt->isEmpty());
        QCOMPARE(window()->bsknnumedt_byte_per_line->text(), QStringLiteral("10"));
        QCOMPARE(window()->bsknnumedt_byte_per_line->value(), 10);
        QVERIFY(window()->bsknradiobtn_uppercase->isChecked());
        QVERIFY(!window()->bsknradiobtn_lowercase->isChecked());
        QCOMPARE(window()->pb_fmt->value(), 0);
        for (const char *bar :
             {"bsknscrlbr_aob_h", "bsknscrlbr_aob_v", "bsknscrlbr_fmt_h", "bsknscrlbr_fmt_v"})
            QVERIFY2(!control(bar)->isEnabled(), bar);
        QCOMPARE(window()->bsknbtn_format->text(), QStringLiteral("格式化"));
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("bounds");
        const struct {
            const char *name, *parent;
            QRect bounds;
        } rows[] = {
            {"bsknpnl5", "Form1", {0, 0, 105, 432}},
            {"bspngimgview1", "bsknpnl5", {0, 0, 105, 432}},
            {"bsknpnl0", "Form1", {105, 0, 486, 432}},
            {"bsknpnl6", "bsknpnl0", {0, 0, 486, 40}},
            {"pb_fmt", "bsknpnl6", {328, 12, 150, 17}},
            {"bsknpnl_src", "bsknpnl0", {0, 40, 486, 176}},
            {"bsknscrlbr_aob_h", "bsknpnl_src", {1, 156, 484, 19}},
            {"bsknscrlbr_aob_v", "bsknpnl_src", {466, 1, 19, 155}},
            {"bsknrichedt_aob", "bsknpnl_src", {1, 1, 465, 155}},
            {"bsknpnl2", "bsknpnl0", {0, 216, 486, 40}},
            {"bsknbtn_format", "bsknpnl2", {197, 7, 82, 25}},
            {"bsknnumedt_byte_per_line", "bsknpnl2", {137, 9, 56, 21}},
            {"bsknradiobtn_uppercase", "bsknpnl2", {339, 7, 51, 25}},
            {"bsknradiobtn_lowercase", "bsknpnl2", {283, 7, 52, 25}},
            {"bsknbtn_font", "bsknpnl2", {394, 7, 58, 25}},
            {"bsknpnl_res", "bsknpnl0", {0, 256, 486, 176}},
            {"bsknscrlbr_fmt_h", "bsknpnl_res", {1, 156, 484, 19}},
            {"bsknscrlbr_fmt_v", "bsknpnl_res", {466, 1, 19, 155}},
            {"bsknrichedt_fmt", "bsknpnl_res", {1, 1, 465, 155}},
            {"bsknlbl_logo", "Form1", {19, 2, 206, 30}},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.name << row.parent << row.bounds;
    }

    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, bounds);
        QWidget *widget = window()->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), bounds);
    }

    void labelsReadTheirTexts() {
        QCOMPARE(window()->bsknstdlbl_src->text(), QStringLiteral("原始数据"));
        QCOMPARE(window()->bsknstdlbl_fmtprogress->text(), QStringLiteral("格式化进度："));
        QCOMPARE(window()->bsknstdlbl_numperline->text(), QStringLiteral("每行输出字节数："));
        QCOMPARE(window()->bsknlbl_logo->caption(), QStringLiteral("-- Quenfold Presents --  "));
        // Every label's text fits its place: nothing is cut.
        for (auto *label : {window()->bsknstdlbl_src, window()->bsknstdlbl_fmtprogress,
                            window()->bsknstdlbl_numperline})
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
    }

    void numberBoxRules_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("letter-point-blank-dropped") << ""
                                                    << "1a.2 3"
                                                    << "123" << 123;
        QTest::newRow("minus-at-start") << ""
                                        << "-5"
                                        << "-5" << -5;
        QTest::newRow("minus-later-dropped") << ""
                                             << "5-"
                                             << "5" << 5;
        QTest::newRow("second-minus-dropped") << ""
                                              << "-1-"
                                              << "-1" << -1;
        QTest::newRow("zero-accepted") << ""
                                       << "0"
                                       << "0" << 0;
        QTest::newRow("eighth-character-refused") << ""
                                                  << "12345678"
                                                  << "1234567" << 1234567;
        QTest::newRow("lone-minus-keeps-value") << "7"
                                                << "-"
                                                << "-7" << -7;
        QTest::newRow("emptied-keeps-value") << "42"
                                             << ""
                                             << "" << 42;
    }

    void numberBoxRules() {
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, value);
        auto *box = window()->bsknnumedt_byte_per_line;
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        if (!start.isEmpty())
            QTest::keyClicks(box, start);
        if (QTest::currentDataTag() == QByteArray("lone-minus-keeps-value"))
            box->setCursorPosition(0);
        if (QTest::currentDataTag() == QByteArray("emptied-keeps-value")) {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->value(), value);
    }

    void numberBoxLeavingRestoresAndArrowsKeepTheValue() {
        auto *box = window()->bsknnumedt_byte_per_line;
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Minus);
        QCOMPARE(box->value(), 10);
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->value(), 10);
        window()->bsknrichedt_aob->setFocus();
        QCOMPARE(box->text(), QStringLiteral("10"));

        box->setFocus();
        box->selectAll();
        box->insert(QStringLiteral("abc"));
        QCOMPARE(box->value(), 10);
        window()->bsknrichedt_aob->setFocus();
        QCOMPARE(box->text(), QStringLiteral("10"));
    }

    // Only the ASCII digits: other scripts' digits, such as the full-width ones a
    // Chinese input method types, are dropped whether typed or committed, and a
    // commit holding any of them is dropped whole.
    void numberBoxTakesOnlyAsciiDigits_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<bool>("committed"); // by an input method, else typed as a key
        QTest::addColumn<QString>("text");
        QTest::newRow("typed-ascii-digit") << "7" << false << "107";
        QTest::newRow("typed-full-width-digit") << "５" << false << "10";
        QTest::newRow("typed-arabic-indic-digit") << "٣" << false << "10";
        QTest::newRow("committed-ascii-digits") << "72" << true << "1072";
        QTest::newRow("committed-full-width-digit") << "５" << true << "10";
        QTest::newRow("committed-mixed-digits") << "7５" << true << "10";
        QTest::newRow("committed-minus-not-at-start") << "-" << true << "10";
    }

    void numberBoxTakesOnlyAsciiDigits() {
        QFETCH(QString, entered);
        QFETCH(bool, committed);
        QFETCH(QString, text);
        auto *box = window()->bsknnumedt_byte_per_line;
        box->setFocus();
        box->end(false);
        if (committed) {
            QInputMethodEvent commit;
            commit.setCommitString(entered);
            QApplication::sendEvent(box, &commit);
        } else {
            const auto key = Qt::Key(entered.at(0).unicode());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, entered);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, entered);
            QApplication::sendEvent(box, &press);
            QApplication::sendEvent(box, &release);
        }
        QCOMPARE(box->text(), text);
        QCOMPARE(box->value(), text.toInt());
    }

    // Qt's own texts are Chinese too: the input box's context menu, the error box's button.
    void standardTextsAreChinese() {
        const std::unique_ptr<QMenu> menu = window()->bsknrichedt_aob->createStandardContextMenu();
        QStringList texts;
        for (QAction *action : menu->actions())
            if (!action->isSeparator())
                texts << action->text();
        QVERIFY2(texts.join(u',').contains(QStringLiteral("粘贴(&P)")),
                 qPrintable(texts.join(u',')));
    }

    void radioButtonsFormOneGroup() {
        auto *upper = window()->bsknradiobtn_uppercase;
        auto *lower = window()->bsknradiobtn_lowercase;
        QTest::mouseClick(lower, Qt::LeftButton);
        QVERIFY(lower->isChecked() && !upper->isChecked());
        QTest::mouseClick(lower, Qt::LeftButton);
        QVERIFY(lower->isChecked());
        QTest::mouseClick(upper, Qt::LeftButton);
        QVERIFY(upper->isChecked() && !lower->isChecked());
    }

    void tabCyclesTheThreeBoxes() {
        window()->activateWindow();
        window()->bsknrichedt_aob->setFocus();
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY2(focus, qPrintable(visited.join(u',')));
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited,
                 (QStringList{"bsknrichedt_aob", "bsknnumedt_byte_per_line", "bsknrichedt_fmt",
                              "bsknrichedt_aob", "bsknnumedt_byte_per_line", "bsknrichedt_fmt"}));
        for (const char *name : {"bsknbtn_format", "bsknbtn_font", "bsknradiobtn_uppercase",
                                 "bsknradiobtn_lowercase", "bsknscrlbr_aob_h", "bsknscrlbr_fmt_v"})
            QCOMPARE(control(name)->focusPolicy(), Qt::NoFocus);
    }

    // Any button on any of the 13 surfaces moves the window; no button on any control
    // does, though most let some presses through to the panel behind them (a push
    // button the right one, a disabled scroll bar all of them).
    void aPressMovesTheWindowOnlyFromItsSurfaces_data() {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("hidden"); // a child that covers the whole surface
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("moves");
        const struct {
            const char *name, *hidden;
            QPoint at; // a point of the surface that no child covers
        } surfaces[] = {
            {"Form1", "bsknpnl5", {50, 300}}, {"bsknpnl5", "bspngimgview1", {2, 2}},
            {"bspngimgview1", "", {2, 2}},    {"bsknpnl0", "bsknpnl6", {2, 2}},
            {"bsknpnl6", "", {2, 2}},         {"bsknstdlbl_fmtprogress", "", {2, 2}},
            {"bsknstdlbl_src", "", {2, 2}},   {"pb_fmt", "", {2, 2}},
            {"bsknpnl_src", "", {3, 0}}, // its frame
            {"bsknpnl2", "", {2, 2}},         {"bsknstdlbl_numperline", "", {2, 2}},
            {"bsknpnl_res", "", {3, 0}},      {"bsknlbl_logo", "", {2, 2}},
        };
        const char *const controls[] = {"bsknrichedt_aob",         "bsknrichedt_fmt",
                                        "bsknscrlbr_aob_h",        "bsknscrlbr_aob_v",
                                        "bsknscrlbr_fmt_h",        "bsknscrlbr_fmt_v",
                                        "bsknbtn_format",          "bsknbtn_font",
                                        "bsknradiobtn_uppercase",  "bsknradiobtn_lowercase",
                                        "bsknnumedt_byte_per_line"};
        const struct {
            const char *name;
            Qt::MouseButton button;
        } buttons[] = {
            {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
        for (const auto &button : buttons) {
            for (const auto &surface : surfaces)
                QTest::addRow("%s-%s", surface.name, button.name)
                    << surface.name << surface.hidden << surface.at << int(button.button) << true;
            for (const char *control : controls)
                QTest::addRow("%s-%s", control, button.name)
                    << control << "" << QPoint(2, 2) << int(button.button) << false;
        }
    }

    void aPressMovesTheWindowOnlyFromItsSurfaces() {
        QFETCH(QString, pressed);
        QFETCH(QString, hidden);
        QFETCH(QPoint, at);
        QFETCH(int, button);
        QFETCH(bool, moves);
        QWidget *target =
            pressed == QLatin1String("Form1") ? window() : control(qPrintable(pressed));
        QVERIFY(target);
        if (!hidden.isEmpty())
            control(qPrintable(hidden))->hide();
        if (moves)
            QVERIFY2(!target->childAt(at), "the point is a child's");
        // A press in a text box lands on its viewport.
        if (auto *box = qobject_cast<QAbstractScrollArea *>(target))
            target = box->viewport();
        QWidget *frame = window()->window();
        const QPoint before = frame->pos();
        const auto mouseButton = Qt::MouseButton(button);
        // Released beyond the small controls, so that no button clicks.
        const QPoint drag(40, 30);
        QCursor::setPos(target->mapToGlobal(at));
        QTest::mousePress(target, mouseButton, Qt::ShiftModifier, at);
        QTest::mouseMove(target, at + drag);
        QTest::mouseRelease(target, mouseButton, {}, at + drag);
        QCOMPARE(frame->pos(), moves ? before + drag : before);
    }

    // Alt+Space opens the system menu whichever box has the focus, and the box never
    // sees the key: the input box types no space, the number box does not beep.
    void altSpaceOpensTheSystemMenuFromAnyBox_data() {
        QTest::addColumn<QString>("focused");
        for (const char *box : {"bsknrichedt_aob", "bsknnumedt_byte_per_line", "bsknrichedt_fmt"})
            QTest::newRow(box) << box;
    }

    void altSpaceOpensTheSystemMenuFromAnyBox() {
        QFETCH(QString, focused);
        QWidget *box = control(qPrintable(focused));
        box->setFocus();
        QCOMPARE(QApplication::focusWidget(), box);
        const KeyPressCount reached(box, Qt::Key_Space);
        const NextPopupItems menu;
        QTest::keyClick(box, Qt::Key_Space, Qt::AltModifier);
        QCOMPARE(menu.items, (QStringList{"最小化", "-", "关闭"}));
        QCOMPARE(reached.count, 0);
    }

    // Ctrl+Return, or Ctrl and the keypad's Enter, presses 格式化 whichever box has the
    // focus, once however long the keys are held; the box never sees them.
    void ctrlReturnPressesFormatFromAnyBox_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (const char *box : {"bsknrichedt_aob", "bsknnumedt_byte_per_line", "bsknrichedt_fmt"}) {
            QTest::addRow("%s-return", box)
                << box << int(Qt::Key_Return) << int(Qt::ControlModifier);
            QTest::addRow("%s-keypad-enter", box)
                << box << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier);
        }
    }

    void ctrlReturnPressesFormatFromAnyBox() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QWidget *box = control(qPrintable(focused));
        box->setFocus();
        QCOMPARE(QApplication::focusWidget(), box);
        const KeyPressCount reached(box, Qt::Key(key));
        QSignalSpy clicks(window()->bsknbtn_format, &QAbstractButton::clicked);
        const auto modifierKeys = Qt::KeyboardModifiers(modifiers);
        QTest::keyPress(box, Qt::Key(key), modifierKeys);
        QKeyEvent held(QEvent::KeyPress, key, modifierKeys, QString(), true);
        QApplication::sendEvent(box, &held);
        QTest::keyRelease(box, Qt::Key(key), modifierKeys);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(reached.count, 0);
        QTRY_COMPARE(window()->bsknbtn_format->text(), QStringLiteral("格式化"));
    }

    void fontDialogConfirmedGivesBothBoxesTheFont() {
        auto *dialog = window()->bsknfntdlg1;
        QSignalSpy changes(dialog, &platform::FontDialog::changed);
        QFont opened;
        whenModalOpens([&](QWidget *modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("字体"));
            opened = modal->findChild<QFontComboBox *>()->currentFont();
            for (auto *size : modal->findChildren<QComboBox *>())
                if (size->isEditable() && !qobject_cast<QFontComboBox *>(size))
                    size->setCurrentText(QStringLiteral("12"));
            QTest::mouseClick(buttonWithText(modal, QStringLiteral("确定")), Qt::LeftButton);
        });
        QTest::mouseClick(window()->bsknbtn_font, Qt::LeftButton);
        QCOMPARE(opened.family(), window()->bsknrichedt_aob->font().family());
        QCOMPARE(changes.count(), 1);
        QCOMPARE(window()->bsknrichedt_aob->font().pixelSize(), 16);
        QCOMPARE(window()->bsknrichedt_fmt->font(), window()->bsknrichedt_aob->font());
    }

    void fontDialogCancelledChangesNothing() {
        const QFont before = window()->bsknrichedt_aob->font();
        QSignalSpy changes(window()->bsknfntdlg1, &platform::FontDialog::changed);
        whenModalOpens([](QWidget *modal) {
            for (auto *size : modal->findChildren<QComboBox *>())
                if (size->isEditable() && !qobject_cast<QFontComboBox *>(size))
                    size->setCurrentText(QStringLiteral("20"));
            QTest::mouseClick(buttonWithText(modal, QStringLiteral("取消")), Qt::LeftButton);
        });
        QTest::mouseClick(window()->bsknbtn_font, Qt::LeftButton);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(window()->bsknrichedt_aob->font(), before);
        QCOMPARE(window()->bsknrichedt_fmt->font(), before);
    }

    void errorBoxText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("period-added") << "Out of range"
                                      << "Out of range.";
        QTest::newRow("period-kept") << "Done."
                                     << "Done.";
        QTest::newRow("before-period-kept") << "Done!"
                                            << "Done!";
        QTest::newRow("chinese-gets-period") << "出错了"
                                             << "出错了.";
        QTest::newRow("empty-stays-empty") << ""
                                           << "";
    }

    void errorBoxText() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(platform::Application::boxText(message), shown);
    }

    // An exception out of any handler is shown in the error box, captioned with the
    // title, and the program goes on.
    void handlerExceptionsAreShownAndTheProgramGoesOn() {
        Faulty faulty;
        QStringList boxes;
        for (int kind : {int(QEvent::User), QEvent::User + 1}) {
            whenModalOpens([&](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                QVERIFY(box);
                boxes << box->windowTitle() + u'|' + box->text();
                box->accept();
            });
            QCoreApplication::postEvent(&faulty, new QEvent(QEvent::Type(kind)));
            QTRY_COMPARE(boxes.size(), kind - QEvent::User + 1);
        }
        QCOMPARE(boxes, (QStringList{"Hexloom|broken handler.", "Hexloom|"}));
        QVERIFY(window()->isVisible());
    }

    void convertsEndToEnd() {
        window()->bsknrichedt_aob->setText(QStringLiteral("de ad be ef\n00"));
        QTest::mouseClick(window()->bsknradiobtn_lowercase, Qt::LeftButton);
        QTest::mouseClick(window()->bsknbtn_format, Qt::LeftButton);
        QTRY_COMPARE(
            window()->bsknrichedt_fmt->text(),
            QStringLiteral("const byte code[] = {\r\n\t0xde, 0xad, 0xbe, 0xef, 0x00\r\n};\r\n"));
        QTRY_COMPARE(window()->bsknbtn_format->text(), QStringLiteral("格式化"));
        QCOMPARE(window()->pb_fmt->value(), 0);
    }

    // A long output scrolls through the linked bar, and moving the bar scrolls the box.
    void linkedScrollBarsFollowTheBox() {
        QString many;
        for (int i = 0; i < 400; ++i)
            many += QStringLiteral("%1 ").arg(i % 256, 2, 16, QLatin1Char('0'));
        window()->bsknrichedt_aob->setText(many);
        QTest::mouseClick(window()->bsknbtn_format, Qt::LeftButton);
        auto *bar = window()->findChild<QScrollBar *>(QStringLiteral("bsknscrlbr_fmt_v"));
        QTRY_VERIFY(bar->isEnabled());
        QVERIFY(
            !window()->findChild<QScrollBar *>(QStringLiteral("bsknscrlbr_fmt_h"))->isEnabled());
        QScrollBar *own = window()->bsknrichedt_fmt->verticalScrollBar();
        QCOMPARE(bar->maximum(), own->maximum());
        bar->setValue(bar->maximum());
        QCOMPARE(own->value(), bar->maximum());
    }
};

int main(int argc, char **argv) {
    platform::Application application(argc, argv);
    tst_MainForm test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainform.moc"
