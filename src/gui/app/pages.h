// The four pages of the main window. The Project page carries the project, customer and
// contact-person fields; the Parameters, Calculations and Design pages are frames whose contents
// (duty fields and type tree, result display, design options) are composed into them, each
// registering its unit boxes and value fields in the page's unit-box set.
#pragma once

#include "app/language.h"
#include "app/unitboxes.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace velor {

class ProjectPage : public QWidget
{
    Q_OBJECT
public:
    explicit ProjectPage(Settings& settings, QWidget* parent = nullptr);

    QString projectName() const;
    void setProjectName(const QString& name);
    QString calcNumber() const;

    /// Fills the Prepared-by list from the persons file, selects the stored contact person and
    /// puts the stored initial into Project Name.
    void restorePreparedBy();
    /// Clears the page for a new project (the stored initial comes back as project name when
    /// the chosen person is the stored contact person).
    void newProject();
    void setProjectDate(const QDate& date);

    /// Captions and hints from "Project.dat" (an empty list restores the built-in English).
    void translate(const TListNames& texts);

signals:
    /// Project name or calculation number changed.
    void titleChanged();

private:
    void cbPreparedByChange(int index);
    struct Caption
    {
        QWidget* control;
        std::size_t entry;
        QString builtIn;
    };
    QLineEdit* addField(QGridLayout* grid, int row, int column, std::size_t labelEntry, const QString& label,
                        const char* name, std::size_t hintEntry, const QString& hint);

    Settings& m_settings;
    QGroupBox* gbProject;
    QGroupBox* gbCustomer;
    QGroupBox* gbContactPerson;
    QLineEdit* edProjectName;
    QLineEdit* edCalcNo;
    QDateEdit* dtpDate;
    QPushButton* btnPreparedBy;
    QComboBox* cbPreparedBy;
    QComboBox* cbCustomerName;
    std::vector<Caption> m_captions;  // labels, buttons and groups with their entries
    std::vector<Caption> m_hints;     // controls with hint entries
    std::vector<QLineEdit*> m_fields; // every free-text field of customer and contact person
    bool m_restoring = false;
};

/// A page frame: a content area that the page's contents fill, and the unit-box set of the page.
class ComposedPage : public QWidget
{
    Q_OBJECT
public:
    /// A page without unit boxes has no unit-box set (`units()` is null).
    ComposedPage(const char* objectName, UnitBoxSet* units, QWidget* parent);

    UnitBoxSet* units() const { return m_units; }
    QVBoxLayout* contentLayout() const { return m_content; }

    /// Every registered field to 0 in its display unit (New project).
    void clearFields();

private:
    UnitBoxSet* m_units;
    QVBoxLayout* m_content;
};

class ParametersPage : public ComposedPage
{
    Q_OBJECT
public:
    explicit ParametersPage(QWidget* parent = nullptr);
};

class CalculationsPage : public ComposedPage
{
    Q_OBJECT
public:
    explicit CalculationsPage(QWidget* parent = nullptr);

    /// Whether a calculation result list exists.
    bool hasResults() const { return m_resultCount > 0; }
    int resultCount() const { return m_resultCount; }
    /// The result list is replaced as a whole by a run or a project load, emptied by New.
    void setResultCount(int count);

signals:
    void resultsChanged(bool present);

private:
    int m_resultCount = 0;
};

class DesignPage : public ComposedPage
{
    Q_OBJECT
public:
    explicit DesignPage(QWidget* parent = nullptr);
};

} // namespace velor
