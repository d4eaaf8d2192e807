#pragma once

#include <string_view>

// What every saver runtime says to its user, in UTF-8, so that a saver answers alike on every
// system.
namespace SaverTexts {

// The program file carries no show.
inline constexpr std::string_view kNoPackage =
    "このファイルにはスクリーンセーバーのデータが入っていません。";
// Followed by the package reader's refusal.
inline constexpr std::string_view kBrokenPackage = "スクリーンセーバーのデータが壊れています: ";
// Followed by the path and the system's reason.
inline constexpr std::string_view kUnreadable = "ファイルを読めません: ";
// The settings of a show whose sounds cannot be switched.
inline constexpr std::string_view kNoSettings = "設定できる項目はありません。";

}  // namespace SaverTexts
