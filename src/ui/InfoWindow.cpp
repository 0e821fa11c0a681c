#include "ui/InfoWindow.h"

#include <QFrame>
#include <QPlainTextEdit>

#include "app/App.h"
#include "app/WebAddress.h"
#include "ui/AccessibleText.h"
#include "ui/Pictures.h"
#include "ui/PlacedControls.h"

namespace {

QString InformationText() {
    return QStringLiteral(
               "のんびりヨルマ旅行記（ヨル旅・シェアウェア）\r\n"
               "\r\n"
               "　１）３６５日、毎日ちがう今日の一言\r\n"
               "　２）日本一周ヨルマ旅行マップ\r\n"
               "　３）キャラクターが大幅に増量\r\n"
               "　４）タイムマシンモード\r\n"
               "　５）ブログに出力できるヨルマ日記\r\n"
               "\r\n"
               "詳しくは紹介サイトをご覧ください\r\n") +
           QString::fromLatin1(kPaidEditionUrl) +
           QStringLiteral(
               "\r\n"
               "下のボタンか、「ヨル旅」で検索してください");
}

}  // namespace

InfoWindow::InfoWindow(App& app)
    : FixedWindow(5595, 3300, QStringLiteral(" ヾ(〃^∇^)ﾉ つぎはのんびりヨルマ旅行～")), app_(app) {
    setObjectName(QStringLiteral("infoWindow"));
    setWindowIcon(ProgramIcon());
    // Named as the settings window's button that opens it: the title is a face.
    SetAccessibleName(this, QStringLiteral("有料版「ヨル旅」のご案内"));
    CloseOnEscape();

    auto* paper = new QFrame(this);
    paper->setFrameShape(QFrame::Box);
    paper->setFrameShadow(QFrame::Plain);
    paper->setAutoFillBackground(true);
    // The cream paper has its own ink, whatever the desktop's colours are.
    QPalette paperColors = paper->palette();
    paperColors.setColor(QPalette::Window, QColor(255, 250, 225));
    paperColors.setColor(QPalette::WindowText, Qt::black);
    paper->setPalette(paperColors);
    paper->setGeometry(TwipsRect(100, 120, 5415, 2655));

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("infoText"));
    text->setReadOnly(true);
    // Named as the settings window's button that opens it.
    SetAccessibleName(text, QStringLiteral("有料版「ヨル旅」のご案内"));
    text->setFrameShape(QFrame::NoFrame);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->document()->setDocumentMargin(0);
    QPalette textColors = text->palette();
    textColors.setColor(QPalette::Base, paperColors.color(QPalette::Window));
    textColors.setColor(QPalette::Text, paperColors.color(QPalette::WindowText));
    text->setPalette(textColors);
    text->setPlainText(InformationText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    text->setGeometry(TwipsRect(720, 360, 4575, 2175));

    connect(PlacedButton(this, QStringLiteral("「ヨル旅」の詳細をWebで見る"), 120, 2880, 3975, 375, "webPageButton"),
            &QPushButton::clicked, this, &InfoWindow::OnWebPage);
    connect(PlacedButton(this, QStringLiteral("とじる"), 4200, 2880, 1335, 375, "closeButton"), &QPushButton::clicked,
            this, &InfoWindow::OnClose);
    // Where the main window stood.
    MoveTo({app_.Settings().mainLeft, app_.Settings().mainTop});
}

void InfoWindow::OnClose() { app_.CloseInfo(); }

// The window stays open whether or not the page opened.
void InfoWindow::OnWebPage() { app_.OpenPaidEditionPage(); }

void InfoWindow::OnCloseBox() { OnClose(); }
