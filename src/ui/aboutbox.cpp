#include "aboutbox.h"

#include "dialogue/aboutinfo.h"
#include "dialogue/dialogueengine.h"
#include "pictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureSize = 72;

// A rounded tile in the transcript's paper colour that the picture sits on.
class Tile final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient paper(0, 0, 0, height());
        paper.setColorAt(0, QColor(251, 242, 232));
        paper.setColorAt(1, QColor(242, 219, 194));
        painter.setPen(QColor(214, 188, 160));
        painter.setBrush(paper);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    }
};

QLabel *textLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    // Plain text keeps the description's two leading blanks.
    result->setTextFormat(Qt::PlainText);
    return result;
}

QFont resized(QFont font, qreal factor, bool bold)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

} // namespace

AboutBox::AboutBox(DialogueEngine &engine, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    setModal(true);
    const AboutInfo info = aboutInfo();

    auto *frame1 = new QFrame(this);
    frame1->setObjectName(u"Frame1"_s);
    frame1->setFrameShape(QFrame::StyledPanel);
    frame1->setFrameShadow(QFrame::Sunken);
    frame1->setBackgroundRole(QPalette::Base);
    frame1->setAutoFillBackground(true);

    auto *shape1 = new Tile(frame1);
    shape1->setObjectName(u"Shape1"_s);
    shape1->setFixedSize(pictureSize + 24, pictureSize + 24);
    auto *image1 = new QLabel(shape1);
    image1->setObjectName(u"Image1"_s);
    image1->setPixmap(picture(u"teskaro"_s, pictureSize, devicePixelRatioF()));
    image1->setFixedSize(pictureSize, pictureSize);
    auto *tileLayout = new QVBoxLayout(shape1);
    tileLayout->setContentsMargins(12, 12, 12, 12);
    tileLayout->addWidget(image1);

    m_lblTitle = textLabel(u"lblTitle"_s, QString(), frame1);
    m_lblTitle->setFont(resized(font(), 2.0, true));
    QPalette titlePalette = m_lblTitle->palette();
    titlePalette.setColor(m_lblTitle->foregroundRole(), QColor(37, 54, 186)); // the icon's blue
    m_lblTitle->setPalette(titlePalette);
    m_lblVersion = textLabel(u"lblVersion"_s, QString(), frame1);
    auto *lblDescription = textLabel(u"lblDescription"_s, info.description, frame1);
    lblDescription->setWordWrap(true);
    lblDescription->setFixedWidth(330);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(m_lblTitle);
    texts->addWidget(m_lblVersion);
    texts->addSpacing(10);
    texts->addWidget(lblDescription);
    texts->addStretch(1);
    auto *frameLayout = new QHBoxLayout(frame1);
    frameLayout->setContentsMargins(16, 16, 16, 16);
    frameLayout->setSpacing(18);
    frameLayout->addWidget(shape1, 0, Qt::AlignTop);
    frameLayout->addLayout(texts, 1);

    auto *line1 = new QFrame(this);
    line1->setObjectName(u"Line1"_s);
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    auto *lblDisclaimer = textLabel(u"lblDisclaimer"_s, info.disclaimer, this);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setFont(resized(font(), 0.9, false));
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *cmdOK = new QPushButton(u"Aceptar"_s, this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setDefault(true);
    auto *cmdSysInfo = new QPushButton(u"&Información..."_s, this);
    cmdSysInfo->setObjectName(u"cmdSysInfo"_s);
    cmdSysInfo->setAutoDefault(false);
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    for (QPushButton *button : {cmdOK, cmdSysInfo}) {
        button->setMinimumWidth(130);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(18);
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(frame1);
    layout->addWidget(line1);
    layout->addLayout(bottom);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [&engine] { engine.cmdSysInfo_Click(); });

    Form_Load();
}

void AboutBox::Form_Load()
{
    const AboutInfo info = aboutInfo();
    setWindowTitle(info.caption);
    m_lblVersion->setText(info.version);
    m_lblTitle->setText(info.title);
}

} // namespace teskaro
