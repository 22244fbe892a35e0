#pragma once

#include "ui/main_window_link.h"

#include <QMainWindow>
#include <string>

class QAction;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;

namespace quilvane {

struct MarkupInputs;
struct Module1;
struct Services;
class ListComboBox;
class Form5;

// The main window: the colour mixer, the text, size and face, the markup buttons and the menus.
// Its controls and menu items carry their names as object names; the side windows see only the
// link.
class Form1 : public QMainWindow, public MainWindowLink {
    Q_OBJECT
public:
    Form1(Module1& module, Services& services);
    ~Form1() override;

    // The system ends the program (log-out, shut-down, its terminal closing): the settings are
    // saved without the exit question, then the program ends.
    void EndSession();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Colour mixer.
    QLabel* Label5 = nullptr; // "R"
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label6 = nullptr; // "G"
    QScrollBar* HScroll2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr; // "B"
    QScrollBar* HScroll3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label8 = nullptr; // "CODE"
    QLineEdit* Text2 = nullptr;
    QPushButton* Command7 = nullptr; // &Random

    // Text, face and size.
    QPushButton* Command5 = nullptr; // S&tring
    QLabel* Label10 = nullptr;       // "STRING", hidden under Command5
    QLineEdit* Text1 = nullptr;
    QLabel* Label11 = nullptr; // "FACE"
    ListComboBox* Combo2 = nullptr;
    QLabel* Label9 = nullptr; // "SIZE"
    ListComboBox* Combo1 = nullptr;

    // Wrappers and commands.
    QCheckBox* Check1 = nullptr;     // Marquee
    QPushButton* Command6 = nullptr; // &Detail
    QCheckBox* Check2 = nullptr;     // Bold
    QCheckBox* Check3 = nullptr;     // Italic
    QCheckBox* Check4 = nullptr;     // Center
    QPushButton* Command1 = nullptr; // Fav&ourite
    QPushButton* Command2 = nullptr; // &AddSave
    QPushButton* Command4 = nullptr; // &Save
    QPushButton* Command3 = nullptr; // &Exit

    // Menus.
    QMenu* file = nullptr;
    QAction* exit = nullptr;
    QMenu* Config = nullptr;
    QMenu* gamen = nullptr;
    QAction* right_l = nullptr;
    QAction* left_l = nullptr;
    QAction* first = nullptr;
    QAction* Line2 = nullptr;
    QAction* code = nullptr;
    QAction* komoji = nullptr;
    QAction* dialog = nullptr;
    QAction* ime = nullptr;
    QAction* fore = nullptr;
    QMenu* Kotei = nullptr;
    QAction* black = nullptr;
    QAction* red = nullptr;
    QAction* green = nullptr;
    QAction* yellow = nullptr;
    QAction* blue = nullptr;
    QAction* cyan = nullptr;
    QAction* magenta = nullptr;
    QAction* white = nullptr;
    QAction* Line3 = nullptr;
    QAction* pick = nullptr; // a colour from the screen
    QMenu* help = nullptr;
    QAction* tukaikata = nullptr;
    QAction* version = nullptr;

    // Start-up.
    void Form_Load();

    // Keyboard shortcuts: Ctrl alone + letter runs the button with that access key, enabled or
    // not. Returns whether an action ran; the key then edits nothing in the focused control.
    bool Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

    // Colour mixer.
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void ApplyColour();
    void SetColour(Rgb colour) override;
    void Command7_Click();
    // A code typed into Text2 sets the bars; anything else puts the current code back.
    void ApplyTypedCode();
    // The first opening of Kotei finds out whether a colour can be picked from the screen.
    void Kotei_FirstOpen();
    void pick_Click();

    // Markup. ComposeMarkup puts `before` and the markup of `text` on the clipboard in one go;
    // false when the user declines composing an empty text.
    bool ComposeMarkup(const QString& text, const std::string& before = {});
    // What the markup of `text` is composed from: the window's code, boxes and check marks.
    MarkupInputs MarkupInputsFor(const QString& text) const;
    void Command4_Click();
    void Command2_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Combo1_LostFocus();
    void Combo2_Click();
    void Combo2_Change();
    void Combo2_LostFocus();

    // Options and placement.
    // Run after the menu has flipped the item's check mark.
    void code_Click();
    void fore_Click();
    void ApplyFore() override;
    void right_l_Click();
    void left_l_Click();
    void first_Click();

    // Side windows.
    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
    void tukaikata_Click();
    void version_Click();

    // Shutdown.
    void Command3_Click();
    void exit_Click();
    void EndProgram();
    void Form_QueryUnload();

    // What the side windows see, through the link.
    QWidget& Window() override { return *this; }
    Services& services() override { return services_; }
    Rgb CurrentColour() const override;
    bool ConfirmationsOn() const override;
    bool LowerCaseMarkup() const override;
    float StoredVersion() const override;
    InputMethod::Mode TextInputMethod() const override;
    PreviewLook Preview() const override;
    QString PreviewText() const override;
    void SetPreviewText(const QString& text) override;
    void SetMarqueeAttributes(const MarqueeAttributes& attributes) override;

    // The window's outer position and size in twips, as the stored "top" and "left" are.
    int TopTwips() const override;
    int LeftTwips() const override;
    int WidthTwips() const override;
    int HeightTwips() const;
    void MoveTwips(int top, int left);

    void CreateControls();
    void CreateMenus();
    void ConnectHandlers();
    void SetTabOrder();
    void FillFaceList();
    void ChannelChanged(QScrollBar* bar, QLabel* label);
    void RedrawNow();
    // The click action that the key `keyCode` with the shift state `shift` runs, if any.
    using ClickAction = void (Form1::*)();
    static ClickAction ShortcutAction(int keyCode, Qt::KeyboardModifiers shift);
    // Whether keys sent to `widget` are this window's: its own controls, and the drop-down lists
    // of its combo boxes, which are windows of their own.
    bool OwnsKeysOf(const QWidget& widget) const;
    // Shows a side window modally in front of the main window; returns its result.
    int ShowSideWindow(QDialog& window);

    Module1& module_;
    Services& services_;
    Form5* marqueeOptions_ = nullptr; // stays loaded after Ok; gone after its close box
    bool endingSession_ = false;
};

} // namespace quilvane
