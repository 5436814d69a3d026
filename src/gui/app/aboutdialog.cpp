// The splash screen and the About box.
#include "app/aboutdialog.h"

#include "app/guitext.h"
#include "app/resources.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace velor {

namespace {
QPixmap programPicture(QWidget* widget)
{
    initResources();
    QSvgRenderer renderer(QStringLiteral(":/picture.svg"));
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap pixmap(QSize(400, 180) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, 400, 180));
    return pixmap;
}
} // namespace

InfoPanel::InfoPanel(const Settings& settings, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("InfoPanel"));
    const TListNames info = loadScreenTexts(settings, "Info.dat");
    m_caption = entryText(info, 0, tr("About VELOR"));
    m_ok = entryText(info, 4, tr("&OK"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgPicture"));
    picture->setPixmap(programPicture(this));
    picture->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    const struct
    {
        std::size_t entry;
        const char* name;
        QString builtIn;
        bool strong;
    } lines[] = {
        {1, "lblLine1", tr("VELOR 3.4.0"), true},
        {2, "lblLine2", tr("Selection and rating of heat exchangers"), false},
        {3, "lblLine3", tr("Catalogue, fluid database and technical data included"), false},
        {5, "lblLine5", tr("Copyright \u00A9 the VELOR developers"), false},
    };
    for (const auto& line : lines) {
        auto* label = new QLabel(entryText(info, line.entry, line.builtIn), this);
        label->setObjectName(QLatin1String(line.name));
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        if (line.strong) {
            QFont font = label->font();
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.4);
            label->setFont(font);
        }
        layout->addWidget(label);
    }
}

SplashScreen::SplashScreen(const Settings& settings)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* panel = new InfoPanel(settings, this);
    setWindowTitle(panel->caption());
    setStyleSheet(QStringLiteral("#SplashScreen { background: white; border: 1px solid #4a6f8a; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(panel);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

AboutDialog::AboutDialog(const Settings& settings, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    auto* panel = new InfoPanel(settings, this);
    setWindowTitle(panel->caption());
    auto* ok = new QPushButton(panel->okCaption(), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velor
