#pragma once

#include <string_view>

namespace quilvane {

// Every message box the program can show: its text, title and style.

// A style number is the buttons, plus the icon, plus kSecondButtonDefault when the second
// button is the one preselected. The platform's message box reads it back with the masks.
namespace message_style {
inline constexpr int kOk = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kButtonsMask = 7;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kInformation = 64;
inline constexpr int kIconMask = 0x70;
inline constexpr int kSecondButtonDefault = 256;
} // namespace message_style

struct MessageBoxContent {
    std::string_view text;
    std::string_view title;
    int style = 0;
};

// Start-up: defaults written into a store without the current settings version.
inline constexpr MessageBoxContent kRegistryWrittenMessage{
    "レジストリを新規(追加)書き込みました", "Regstory Write",
    message_style::kOk | message_style::kInformation};

// Start-up: unusable values of a current store replaced by their defaults.
inline constexpr MessageBoxContent kRegistryRestoredMessage{
    "レジストリ異常です。復元しました", "Regstory Error",
    message_style::kOk | message_style::kCritical};

// The store could not be written: repairs at start or the save at close did not reach it.
inline constexpr MessageBoxContent kStoreUnwritableMessage{
    "レジストリに書き込めませんでした。設定は保存されていません", "Regstory Error",
    message_style::kOk | message_style::kCritical};

// Save and AddSave with an empty text, while confirmations are on.
inline constexpr MessageBoxContent kEmptyTextQuestion{
    "文字が入力されていませんがよろしいですか？", "確認",
    message_style::kYesNo | message_style::kSecondButtonDefault};

// Exit, while confirmations are on.
inline constexpr MessageBoxContent kExitQuestion{"Quilvaneを終了しますか？", "終了？",
                                                 message_style::kYesNo | message_style::kQuestion};

// Favourites window: faulty slots replaced by their defaults.
inline constexpr MessageBoxContent kFavouritesResetMessage{
    "レジストリ異常です。初期値に戻しました", "Regstory Error",
    message_style::kOk | message_style::kCritical};

// Favourites window, Save while confirmations are on: %1 is the slot number in full-width
// digits (OverwriteQuestionText fills it in).
inline constexpr MessageBoxContent kOverwriteQuestion{
    "お気に入りデータ %1 を書き換えます。よろしいですか？", "上書き確認",
    message_style::kYesNo | message_style::kSecondButtonDefault};

// Favourites window: the slot could not be stored.
inline constexpr MessageBoxContent kFavouriteNotSavedMessage{
    "お気に入りデータを保存できませんでした", "Regstory Error",
    message_style::kOk | message_style::kCritical};

// Help menu: the help page is missing or nothing could open it.
inline constexpr MessageBoxContent kHelpMissingMessage{
    "QV.htmlがありません", "Help File Not Found!", message_style::kOk | message_style::kCritical};

} // namespace quilvane
