#pragma once
// The program's messages, each written once.

#include <QString>

#include <optional>

#include "storage/DataDirectory.h"

// The program's title: the caption of every message box and notification.
inline const QString kProgramTitle = QStringLiteral("ヨルマ式");

inline const QString kAlreadyRunningMessage = QStringLiteral("プログラムは既に起動されています。");
inline const QString kRangeMessage = QStringLiteral("有効範囲内にある半角数字を入れてください");
inline const QString kFutureMessage = QStringLiteral("現在より未来の日時は設定できません");
// The data file keeps texts between double quotes and has no way to store one inside.
inline const QString kQuoteMessage = QStringLiteral("アドレスとステータスには「\"」を使えません");
inline const QString kWebPageMessage = QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください");

// Every refusal of the data folder or its files, and every save that could
// not be completed, says this.
inline const QString kDataFolderMessage = QStringLiteral(
    "yorumadata フォルダに設定を保存できません。\r\n"
    "フォルダとその中のファイルが自分のもので、読み書きできるか確認してください");

// The data-folder message, with a line on who else may change the folder
// and what to do about it where that is why it is not used.
QString DataFolderMessage(const std::optional<UnsafeFolder>& unsafe);
// The second copy's message, with a line naming the copy that runs.
QString AlreadyRunningMessage(const LockHolder& holder);
