// The progress window of a calculation run: a caption, the size being rated and a bar.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace velor {

struct RunProgress;

class ProgBCalc : public QDialog
{
    Q_OBJECT
public:
    ProgBCalc(const QString& caption, QWidget* parent);

    /// Shows the size about to be rated and the sizes of its type rated so far, and repaints.
    void showProgress(const RunProgress& progress);

    QLabel* sizeLabel() const { return lblSize; }
    QProgressBar* bar() const { return pbCalc; }

private:
    QLabel* lblSize;
    QProgressBar* pbCalc;
};

} // namespace velor
