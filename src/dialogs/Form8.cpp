#include "dialogs/Form8.h"

#include <QFrame>
#include <QPlainTextEdit>

#include "dialogs/FirstRunLayout.h"
#include "resources/Pictures.h"
#include "startup/Module1.h"
#include "ui/Twips.h"

const char* const kPaidEditionUrl = "http://nubera.example.jp/yorutabi/";

namespace {

QString InformationText() {
    return QStringLiteral("のんびりヨルマ旅行記（ヨル旅・シェアウェア）\r\n"
                          "\r\n"
                          "　１）３６５日、毎日ちがう今日の一言\r\n"
                          "　２）日本一周ヨルマ旅行マップ\r\n"
                          "　３）キャラクターが大幅に増量\r\n"
                          "　４）タイムマシンモード\r\n"
                          "　５）ブログに出力できるヨルマ日記\r\n"
                          "\r\n"
                          "詳しくは紹介サイトをご覧ください\r\n") +
           QString::fromLatin1(kPaidEditionUrl) +
           QStringLiteral("\r\n"
                          "下のボタンか、「ヨル旅」で検索してください");
}

}  // namespace

Form8::Form8(Module1& module) : FormBase(module, 5595, 3300, QStringLiteral(" ヾ(〃^∇^)ﾉ つぎはのんびりヨルマ旅行～")) {
    setObjectName(QStringLiteral("Form8"));
    setWindowIcon(ProgramIcon());

    auto* shape1 = new QFrame(this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setFrameShape(QFrame::Box);
    shape1->setFrameShadow(QFrame::Plain);
    shape1->setAutoFillBackground(true);
    // The cream paper has its own ink, whatever the desktop's colours are.
    QPalette paper = shape1->palette();
    paper.setColor(QPalette::Window, QColor(255, 250, 225));
    paper.setColor(QPalette::WindowText, Qt::black);
    shape1->setPalette(paper);
    shape1->setGeometry(TwipsRect(100, 120, 5415, 2655));

    auto* text1 = new QPlainTextEdit(this);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setReadOnly(true);
    text1->setFrameShape(QFrame::NoFrame);
    text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1->document()->setDocumentMargin(0);
    QPalette textPaper = text1->palette();
    textPaper.setColor(QPalette::Base, paper.color(QPalette::Window));
    textPaper.setColor(QPalette::Text, paper.color(QPalette::WindowText));
    text1->setPalette(textPaper);
    text1->setPlainText(InformationText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    text1->setGeometry(TwipsRect(720, 360, 4575, 2175));

    QPushButton* command2 =
        PlacedButton(this, QStringLiteral("「ヨル旅」の詳細をWebで見る"), 120, 2880, 3975, 375, "Command2");
    connect(command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    QPushButton* command1 = PlacedButton(this, QStringLiteral("とじる"), 4200, 2880, 1335, 375, "Command1");
    connect(command1, &QPushButton::clicked, this, &Form8::Command1_Click);
}

void Form8::Form_Load() { MoveTwips(module_.settings.mainLeft, module_.settings.mainTop); }

void Form8::Command1_Click() { Unload(); }

// The window stays open whether or not the page opened.
void Form8::Command2_Click() { module_.OpenWebPage(this, QString::fromLatin1(kPaidEditionUrl)); }

// However the window closes, the settings window comes back, filled afresh.
void Form8::Form_Unload() { module_.OpenSettingsWindow(); }
