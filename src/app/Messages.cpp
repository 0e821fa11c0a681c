#include "app/Messages.h"

namespace {

QString WhoElseMayWrite(const OtherWriter& writer) {
    switch (writer.kind) {
        case OtherWriter::Kind::Owner: return QStringLiteral("ほかのユーザー（%1）のものです").arg(writer.name);
        case OtherWriter::Kind::EveryUser: return QStringLiteral("誰でも書き込めます");
        case OtherWriter::Kind::Group:
            return QStringLiteral("グループ「%1」のほかのユーザーも書き込めます").arg(writer.name);
    }
    return {};
}

QString WhatToDo(const UnsafeFolder& unsafe) {
    if (unsafe.startFolder) {
        return QStringLiteral(
            "その中には yorumadata フォルダを作れません。自分だけが書き込めるフォルダから起動してください");
    }
    if (unsafe.writer.kind == OtherWriter::Kind::Owner) return QStringLiteral("自分のフォルダから起動してください");
    return QStringLiteral("chmod go-w で自分だけが書き込めるようにしてください");
}

}  // namespace

QString DataFolderMessage(const std::optional<UnsafeFolder>& unsafe) {
    if (!unsafe) return kDataFolderMessage;
    return kDataFolderMessage +
           QStringLiteral("\r\n「%1」は%2。%3").arg(unsafe->path, WhoElseMayWrite(unsafe->writer), WhatToDo(*unsafe));
}

QString AlreadyRunningMessage(const LockHolder& holder) {
    if (holder.processId == 0)
        return kAlreadyRunningMessage + QStringLiteral("\r\n（動いているプログラムは分かりません）");
    const QString program = holder.program.isEmpty() ? QStringLiteral("?") : holder.program;
    return kAlreadyRunningMessage + QStringLiteral("\r\n（動いているプログラム：%1、プロセス番号 %2）")
                                        .arg(program, QString::number(holder.processId));
}
