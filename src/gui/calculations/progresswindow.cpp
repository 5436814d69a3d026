// The progress window of a calculation run.
#include "calculations/progresswindow.h"

#include "app/guitext.h"
#include "engine/run.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace velor {

ProgBCalc::ProgBCalc(const QString& caption, QWidget* parent)
    : QDialog(parent), lblSize(new QLabel(this)), pbCalc(new QProgressBar(this))
{
    setObjectName(QStringLiteral("ProgBCalc"));
    setWindowTitle(caption);
    lblSize->setObjectName(QStringLiteral("lblSize"));
    pbCalc->setObjectName(QStringLiteral("pbCalc"));
    pbCalc->setRange(0, 100);
    pbCalc->setValue(0);
    pbCalc->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSize);
    layout->addWidget(pbCalc);
    setMinimumWidth(320);
}

void ProgBCalc::showProgress(const RunProgress& progress)
{
    // The bar runs over the sizes of the current type and shows how many of them are rated; a
    // new type starts it again, so a short later type never leaves the bar beyond its end.
    const int steps = static_cast<int>(std::max<std::size_t>(progress.stepsOfType, 1));
    pbCalc->setRange(0, steps);
    pbCalc->setValue(static_cast<int>(progress.step > 0 ? progress.step - 1 : 0));
    lblSize->setText(qs(progress.sizeName));
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace velor
