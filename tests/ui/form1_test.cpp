// The main window on the offscreen platform with fake services: start-up state, colour mixer,
// markup commands, options, placement, shortcuts and the save at shutdown.
#include "app/module1.h"
#include "fakes/fake_services.h"
#include "platform/twips.h"
#include "ui/main/form1.h"
#include "ui/main/list_combo_box.h"
#include "ui/main/main_procedure.h"
#include "ui/preview.h"
#include "ui/user_input.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace quilvane {
namespace {

// A store holding a complete, current set of settings.
void FillValidStore(MemorySettingsStore& store) {
    store.values = {{"top", "0"},        {"left", "0"},
                    {"Check1", "False"}, {"Check2", "True"},
                    {"Check3", "True"},  {"Check4", "False"},
                    {"Check5", "False"}, {"ver", "2.8"},
                    {"font", "なし"},    {"Last_Color", "128128128"}};
    const char* favourites[] = {"000000000", "255000000", "000255000", "000000255", "255255000",
                                "000255255", "255000255", "255255255", "128060255", "040216040"};
    for (int i = 0; i < 10; ++i) {
        store.values["fav" + std::to_string(i + 1)] = favourites[i];
    }
}

class Form1Test : public ::testing::Test {
protected:
    std::unique_ptr<Form1> Start() {
        auto form = Main(module, fakes.services);
        QApplication::setActiveWindow(form.get());
        form->Text1->setFocus();
        fakes.store.writes.clear();
        return form;
    }

    FakeServices fakes;
    Module1 module;
};

TEST_F(Form1Test, FirstRunShowsTheDefaults) {
    const auto form = Start();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].title, QStringLiteral("Regstory Write"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quilvane Ver2.8"));
    EXPECT_EQ(form->Text1->text(), QStringLiteral("Quilvane Ver2.8"));
    EXPECT_EQ(PreviewColour(*form->Text1), QColor(128, 128, 128));
    EXPECT_EQ(form->Label1->text() + form->Label2->text() + form->Label3->text(),
              QStringLiteral("128128128"));
    EXPECT_EQ(form->Text2->text(), QStringLiteral("808080"));
    EXPECT_EQ(form->Text2->width(), TwipsToPixels(855));
    EXPECT_EQ(form->Combo1->currentText(), QString::fromUtf8("なし"));
    EXPECT_EQ(form->Combo2->currentText(), QString::fromUtf8("なし"));
    EXPECT_EQ(form->Combo2->count(), 1 + fakes.screen.faces.size());
    const bool marks[] = {form->code->isChecked(), form->komoji->isChecked(),
                          form->dialog->isChecked(), form->ime->isChecked(),
                          form->fore->isChecked()};
    EXPECT_EQ(std::vector<bool>(std::begin(marks), std::end(marks)),
              (std::vector<bool>{false, false, true, true, false}));
    EXPECT_FALSE(form->Command2->isEnabled());
    EXPECT_FALSE(form->Command6->isEnabled());
    EXPECT_EQ(form->pos(), QPoint(0, 0));
}

TEST_F(Form1Test, StoredColourAndCodeOptionAreApplied) {
    FillValidStore(fakes.store);
    fakes.store.values["Last_Color"] = "040216040";
    fakes.store.values["Check5"] = "True";
    const auto form = Start();
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(form->HScroll2->value(), 216);
    EXPECT_EQ(form->Label1->text() + " " + form->Label2->text() + " " + form->Label3->text(),
              QStringLiteral("40 216 40"));
    EXPECT_EQ(form->Text2->text(), QStringLiteral("#28D828"));
    EXPECT_EQ(form->Text2->width(), TwipsToPixels(975));
}

// Two screens side by side, the second one shorter: a stored position partly on either screen
// is kept; one wholly off both, also inside their bounding box, opens at the origin.
TEST_F(Form1Test, PositionWhollyOffTheScreensOpensAtTheOrigin) {
    fakes.screen.screens = {QRect(0, 0, 1280, 800), QRect(1280, 0, 1024, 768)};
    struct Row {
        const char* left;
        const char* top;
        QPoint opened;
    };
    for (const Row& row : {Row{"2147483647", "-2147483647", {0, 0}},
                           Row{"22500", "1500", {1500, 100}}, // on the second screen
                           Row{"0", "11850", {0, 790}},       // the top strip on the first
                           Row{"34560", "0", {0, 0}},         // right of both
                           Row{"22500", "11700", {0, 0}}}) {  // below the second
        FillValidStore(fakes.store);
        fakes.store.values["left"] = row.left;
        fakes.store.values["top"] = row.top;
        const auto form = Start();
        EXPECT_EQ(form->pos(), row.opened) << row.left << ", " << row.top;
        form->move(100, 100);
        form->first_Click();
        EXPECT_EQ(form->pos(), row.opened) << row.left << ", " << row.top;
    }
}

TEST_F(Form1Test, ChannelDisplaysFollowTheBars) {
    FillValidStore(fakes.store);
    const auto form = Start();
    struct Row {
        int value;
        const char* label;
        const char* code;
    };
    for (const Row& row :
         {Row{0, "0", "000000"}, Row{10, "10", "0A0A0A"}, Row{255, "255", "FFFFFF"}}) {
        form->HScroll1->setValue(row.value);
        form->HScroll2->setValue(row.value);
        form->HScroll3->setValue(row.value);
        EXPECT_EQ(form->Label2->text(), QString::fromLatin1(row.label));
        EXPECT_EQ(form->Text2->text(), QString::fromLatin1(row.code));
        EXPECT_EQ(PreviewColour(*form->Text1), QColor(row.value, row.value, row.value));
    }
}

TEST_F(Form1Test, FixedRedFromWhiteChangesOnlyGreenAndBlue) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->white->trigger();
    QStringList codes;
    QObject::connect(form->Text2, &QLineEdit::textChanged,
                     [&codes](const QString& text) { codes.append(text); });
    form->red->trigger();
    EXPECT_EQ(codes, (QStringList{QStringLiteral("FF00FF"), QStringLiteral("FF0000")}));
    form->red->trigger();
    EXPECT_EQ(codes.size(), 2);
}

TEST_F(Form1Test, CodeOptionAddsAndRemovesTheHash) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->code->trigger();
    EXPECT_EQ(form->Text2->text(), QStringLiteral("#808080"));
    EXPECT_EQ(form->Text2->width(), TwipsToPixels(975));
    form->black->trigger();
    EXPECT_EQ(form->Text2->text(), QStringLiteral("#000000"));
    form->code->trigger();
    EXPECT_EQ(form->Text2->text(), QStringLiteral("000000"));
    EXPECT_EQ(form->Text2->width(), TwipsToPixels(855));
}

TEST_F(Form1Test, SaveAddSaveAndTheEmptyTextQuestion) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->Text1->setText(QStringLiteral("Hello"));
    fakes.clipboard.content = QStringLiteral("before");
    form->Command4->click();
    const QString saved = QStringLiteral("<FONT COLOR = \"808080\">Hello</FONT>");
    EXPECT_EQ(fakes.clipboard.content, saved);
    EXPECT_TRUE(form->Command2->isEnabled());

    form->Command2->click();
    EXPECT_EQ(fakes.clipboard.content, saved + saved);
    EXPECT_EQ(QString::fromStdString(module.PriorClipboard), saved);

    // Declined: the clipboard keeps what it had, for Save and for AddSave.
    form->Text1->clear();
    fakes.messages.answers = {MessageBox::kNo, MessageBox::kNo};
    form->Command4->click();
    form->Command2_Click();
    EXPECT_EQ(fakes.clipboard.content, saved + saved);
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(fakes.messages.shown[0].text,
              QString::fromUtf8("文字が入力されていませんがよろしいですか？"));
    EXPECT_EQ(fakes.messages.shown[0].title, QString::fromUtf8("確認"));
    EXPECT_EQ(fakes.messages.shown[0].style, 260);

    // Without confirmations the empty text is composed at once.
    form->dialog->trigger();
    form->Command4->click();
    EXPECT_EQ(fakes.clipboard.content, QStringLiteral("<FONT COLOR = \"808080\">"));
    EXPECT_EQ(fakes.messages.shown.size(), 2u);
}

TEST_F(Form1Test, TypedSizeAndMarqueeReachTheMarkup) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->Text1->setText(QStringLiteral("x"));
    form->Combo1->setFocus();
    form->Combo1->lineEdit()->clear();
    QTest::keyClicks(form->Combo1->lineEdit(), QStringLiteral("+1"));
    form->Check1->click();
    EXPECT_TRUE(form->Command6->isEnabled());
    form->Command4_Click();
    EXPECT_EQ(
        fakes.clipboard.content,
        QString::fromUtf8("<FONT COLOR = \"808080\" SIZE = \"+1\"><MARQUEE>x</MARQUEE></FONT>"));
    EXPECT_FALSE(form->Command2->isEnabled());
}

TEST_F(Form1Test, EmptiedSizeAndFaceBoxesFallBackToNoneWhenLeft) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->show();
    QApplication::setActiveWindow(form.get());
    for (ListComboBox* box : {form->Combo1, form->Combo2}) {
        box->setFocus();
        box->lineEdit()->clear();
        form->Text1->setFocus();
        EXPECT_EQ(box->currentText(), QString::fromUtf8("なし"));
        EXPECT_EQ(box->ListIndex(), 0);
    }
}

TEST_F(Form1Test, MegabyteTextIsSavedWhole) {
    FillValidStore(fakes.store);
    const auto form = Start();
    const QString text = QStringLiteral("line<BR>").repeated(128 * 1024); // 1 MiB
    form->Text1->setText(text);
    ASSERT_EQ(form->Text1->text().size(), text.size());
    form->Command4_Click();
    form->Command2_Click();
    const QString markup =
        QStringLiteral("<FONT COLOR = \"808080\">") + text + QStringLiteral("</FONT>");
    EXPECT_EQ(fakes.clipboard.content, markup + markup);
}

TEST_F(Form1Test, TabGoesFromTheTextToSaveExitAndTheBars) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->show();
    QApplication::setActiveWindow(form.get());
    form->Text1->setFocus();
    QList<QWidget*> visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (QList<QWidget*>{form->Command4, form->Command3, form->HScroll1,
                                        form->HScroll2, form->HScroll3}));
}

TEST_F(Form1Test, ColourBarsFollowTheKeysAndTheWheelAndShowTheirFocus) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->show();
    QApplication::setActiveWindow(form.get());
    const QImage unfocused = form->HScroll1->grab().toImage();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), form->HScroll1);
    EXPECT_NE(form->HScroll1->grab().toImage(), unfocused);

    ExpectKeySteps(*form->HScroll1, {{Qt::Key_Right, 129},
                                     {Qt::Key_Down, 130},
                                     {Qt::Key_Left, 129},
                                     {Qt::Key_Up, 128},
                                     {Qt::Key_PageDown, 138},
                                     {Qt::Key_PageUp, 128},
                                     {Qt::Key_End, 255},
                                     {Qt::Key_Home, 0}});
    EXPECT_EQ(form->Label1->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Text2->text(), QStringLiteral("008080"));

    // Away from the user or to the right raises the value, as on a slider.
    form->HScroll1->setValue(128);
    TurnWheel(*form->HScroll1, QPoint(0, 120));
    EXPECT_GT(form->HScroll1->value(), 128);
    form->HScroll1->setValue(128);
    TurnWheel(*form->HScroll1, QPoint(0, -120));
    EXPECT_LT(form->HScroll1->value(), 128);
    form->HScroll1->setValue(128);
    TurnWheel(*form->HScroll1, QPoint(-120, 0)); // Qt gives a tilt to the right as negative
    EXPECT_GT(form->HScroll1->value(), 128);
}

TEST_F(Form1Test, CtrlShortcutsRunTheirButtonOnlyWithCtrlAloneAndEditNothing) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->Text1->setText(QStringLiteral("Hi"));
    QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(form->Text1, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(fakes.clipboard.content.isEmpty());

    // Ctrl+A runs the disabled AddSave; it neither selects the text nor moves the caret.
    form->Text1->setText(QStringLiteral("abc")); // Ctrl+Alt may have typed a letter (AltGr)
    form->Text1->setCursorPosition(1);
    ASSERT_FALSE(form->Command2->isEnabled());
    QTest::keyClick(form->Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form->Text1, QStringLiteral("x"));
    EXPECT_EQ(form->Text1->text(), QStringLiteral("axbc"));
    EXPECT_EQ(fakes.clipboard.content, QStringLiteral("<FONT COLOR = \"808080\">abc</FONT>"));

    // The same in a combo box's edit field, and from its dropped-down list, which closes.
    form->show();
    QApplication::setActiveWindow(form.get());
    form->Combo1->setFocus();
    form->Combo1->setListIndex(3);
    QTest::keyClick(form->Combo1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form->Combo1, QStringLiteral("+"));
    EXPECT_EQ(form->Combo1->currentText(), QStringLiteral("3+"));
    form->Combo2->setFocus();
    form->Combo2->showPopup();
    ASSERT_TRUE(form->Combo2->view()->isVisible());
    fakes.clipboard.content.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(form->Combo2->view()->isVisible());
    EXPECT_EQ(fakes.clipboard.content.toStdString(),
              R"(<FONT COLOR = "808080" SIZE = "3+">axbc</FONT>)");
}

TEST_F(Form1Test, AltWithALetterNeverTypes) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->Text1->setText(QStringLiteral("abc"));
    ASSERT_FALSE(form->Command2->isEnabled()); // its access key Alt+A goes nowhere
    for (const Qt::Key letter : {Qt::Key_A, Qt::Key_D, Qt::Key_Q, Qt::Key_X}) {
        QTest::keyClick(form->Text1, letter, Qt::AltModifier);
        QTest::keyClick(form->Combo1, letter, Qt::AltModifier | Qt::ShiftModifier);
    }
    EXPECT_EQ(form->Text1->text(), QStringLiteral("abc"));
    EXPECT_EQ(form->Combo1->currentText(), QString::fromUtf8("なし"));
}

// A size or face typed into its box keeps no list position when the focus leaves, even when it
// reads like a list item: a typed "なし" is written, a typed face is not previewed.
TEST_F(Form1Test, TypedSizeAndFaceStayTypedWhenTheFocusLeaves) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->show();
    QApplication::setActiveWindow(form.get());
    form->Text1->setText(QStringLiteral("x"));
    const QStringList previewFaces = form->Text1->font().families();
    form->Combo1->setListIndex(3);
    const std::pair<ListComboBox*, QString> typed[] = {
        {form->Combo1, QString::fromUtf8("なし")}, {form->Combo2, QStringLiteral("Noto Serif")}};
    for (const auto& [box, text] : typed) {
        box->setFocus();
        box->lineEdit()->selectAll();
        CommitText(*QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(box->currentText(), text);
        EXPECT_EQ(box->ListIndex(), -1);
    }
    EXPECT_EQ(form->Text1->font().families(), previewFaces);
    form->Command4_Click();
    EXPECT_EQ(fakes.clipboard.content,
              QString::fromUtf8(
                  "<FONT COLOR = \"808080\" SIZE = \"なし\" FACE = \"Noto Serif\">x</FONT>"));

    // An arrow key picks a list item again.
    form->Combo1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(form->Combo1->currentText(), QStringLiteral("4"));
    EXPECT_EQ(form->Combo1->ListIndex(), 4);
}

TEST_F(Form1Test, ClosingWritesWhatIsShownInOrder) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->HScroll1->setValue(40);
    form->HScroll2->setValue(216);
    form->HScroll3->setValue(40);
    form->komoji->trigger();
    form->Combo2->setTextAsProgram(QString());
    form->move(TwipsToPixels(3000), TwipsToPixels(1200));
    form->close();
    using Write = std::pair<std::string, std::string>;
    const std::vector<Write> expected = {
        {"Check1", "True"},  {"Check2", "True"},  {"Check3", "True"},
        {"Check4", "False"}, {"Check5", "False"}, {"top", "1200"},
        {"left", "3000"},    {"font", "なし"},    {"Last_Color", "040216040"}};
    EXPECT_EQ(fakes.store.writes, expected);
}

TEST_F(Form1Test, ExitAsksWhileConfirmationsAreOn) {
    FillValidStore(fakes.store);
    const auto form = Start();
    form->show();
    fakes.messages.answers = {MessageBox::kNo};
    form->Command3_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(fakes.store.writes.empty());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].title, QString::fromUtf8("終了？"));
    EXPECT_EQ(fakes.messages.shown[0].style, 36);
    form->exit_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fakes.store.writes.size(), 9u);
}

TEST_F(Form1Test, UnwritableStoreIsReportedInsteadOfPassedOffAsSaved) {
    fakes.store.failWrites = true;
    const auto form = Start();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    const QString unwritable =
        QString::fromUtf8("レジストリに書き込めませんでした。設定は保存されていません");
    EXPECT_EQ(fakes.messages.shown[0].text, unwritable);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quilvane Ver2.8")); // defaults in memory
    form->close();
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(fakes.messages.shown[1].text, unwritable);
}

TEST_F(Form1Test, PlacementCommands) {
    FillValidStore(fakes.store);
    fakes.store.values["top"] = "1500";
    fakes.store.values["left"] = "3000";
    const auto form = Start();
    form->left_l->trigger();
    EXPECT_EQ(form->pos(), QPoint(0, 0));
    form->first->trigger();
    EXPECT_EQ(form->pos(), QPoint(200, 100));
    fakes.screen.width = 1500; // narrower than the window
    form->right_l->trigger();
    EXPECT_EQ(form->pos().y(), 0);
    EXPECT_LT(form->pos().x(), 0);
}

TEST_F(Form1Test, ForeOptionMovesTheWindowBetweenBands) {
    FillValidStore(fakes.store);
    fakes.store.values["Check4"] = "True";
    const auto form = Start();
    ASSERT_FALSE(fakes.order.calls.empty());
    EXPECT_TRUE(fakes.order.calls.back().second);
    form->fore->trigger();
    EXPECT_FALSE(fakes.order.calls.back().second);
    EXPECT_FALSE(form->fore->isChecked());
}

} // namespace
} // namespace quilvane
