#pragma once
// The program's messages, each written once.

#include <QString>

// The program's title: the caption of every message box.
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
