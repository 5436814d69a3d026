// The pages of the main window: the Project page with its fields, and the frames of the
// Parameters, Calculations and Design pages.
#include "app/pages.h"

#include "app/guitext.h"
#include "directory/directory.h"
#include "units/extendededit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velor {

namespace {
QGroupBox* makeGroup(QWidget* parent, const char* name)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    return group;
}

void setCaptionOf(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
}
} // namespace

ProjectPage::ProjectPage(Settings& settings, QWidget* parent) : QWidget(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("ProjectTabSheet"));

    gbProject = makeGroup(this, "gbProject");
    gbCustomer = makeGroup(this, "gbCustomer");
    gbContactPerson = makeGroup(this, "gbContactPerson");
    m_captions.push_back({gbProject, 0, tr("Project")});
    m_captions.push_back({gbCustomer, 5, tr("Customer")});
    m_captions.push_back({gbContactPerson, 17, tr("Contact Person")});

    // Project group: name, calculation number, date, and the Prepared-by person.
    auto* projectGrid = new QGridLayout(gbProject);
    edProjectName =
        addField(projectGrid, 0, 0, 1, tr("Project Name"), "edProjectName", 21, tr("Project name"));
    edCalcNo = addField(projectGrid, 1, 0, 2, tr("Calc. No."), "edCalcNo", 22, tr("Calculation number"));
    m_fields.clear(); // project name and number are not customer fields
    auto* dateLabel = new QLabel(gbProject);
    dateLabel->setObjectName(QStringLiteral("lblDate"));
    dtpDate = new QDateEdit(QDate::currentDate(), gbProject);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateLabel->setBuddy(dtpDate);
    projectGrid->addWidget(dateLabel, 2, 0);
    dtpDate->setMinimumWidth(140);
    projectGrid->addWidget(dtpDate, 2, 1, Qt::AlignLeft);
    m_captions.push_back({dateLabel, 3, tr("Date")});
    m_hints.push_back({dtpDate, 23, tr("Date of the calculation")});

    btnPreparedBy = new QPushButton(gbProject);
    btnPreparedBy->setObjectName(QStringLiteral("btnPreparedBy"));
    btnPreparedBy->setEnabled(false); // the person dialog comes with the customer and person files
    cbPreparedBy = new QComboBox(gbProject);
    cbPreparedBy->setObjectName(QStringLiteral("cbPreparedBy"));
    cbPreparedBy->setMinimumContentsLength(24);
    projectGrid->addWidget(btnPreparedBy, 3, 0);
    projectGrid->addWidget(cbPreparedBy, 3, 1);
    m_captions.push_back({btnPreparedBy, 4, tr("Prepared &by")});
    m_hints.push_back({btnPreparedBy, 24, tr("Person who prepares the offer")});
    m_hints.push_back({cbPreparedBy, 24, tr("Person who prepares the offer")});
    projectGrid->setColumnStretch(1, 1);
    connect(edProjectName, &QLineEdit::textChanged, this, &ProjectPage::titleChanged);
    connect(edCalcNo, &QLineEdit::textChanged, this, &ProjectPage::titleChanged);
    connect(cbPreparedBy, &QComboBox::currentIndexChanged, this, &ProjectPage::cbPreparedByChange);

    // Customer group: the name box, then the address fields in two columns.
    auto* customerGrid = new QGridLayout(gbCustomer);
    auto* nameLabel = new QLabel(gbCustomer);
    nameLabel->setObjectName(QStringLiteral("lblCustomerName"));
    cbCustomerName = new QComboBox(gbCustomer);
    cbCustomerName->setObjectName(QStringLiteral("cbCustomerName"));
    cbCustomerName->setEditable(true);
    nameLabel->setBuddy(cbCustomerName);
    customerGrid->addWidget(nameLabel, 0, 0);
    customerGrid->addWidget(cbCustomerName, 0, 1, 1, 3);
    m_captions.push_back({nameLabel, 6, tr("Customer Name")});
    m_hints.push_back({cbCustomerName, 25, tr("Customer name")});
    addField(customerGrid, 1, 0, 7, tr("Description"), "edDescription", 26,
             tr("Description of the customer"));
    addField(customerGrid, 2, 0, 8, tr("Street"), "edStreet", 27, tr("Street"));
    addField(customerGrid, 3, 0, 9, tr("City"), "edCity", 28, tr("City"));
    addField(customerGrid, 4, 0, 10, tr("State"), "edState", 29, tr("State"));
    addField(customerGrid, 5, 0, 11, tr("Zip"), "edZip", 30, tr("Zip code"));
    addField(customerGrid, 6, 0, 12, tr("Country"), "edCountry", 31, tr("Country"));
    addField(customerGrid, 2, 2, 13, tr("Phone"), "edPhone", 32, tr("Phone number of the customer"));
    addField(customerGrid, 3, 2, 14, tr("Fax"), "edFax", 33, tr("Fax number of the customer"));
    addField(customerGrid, 4, 2, 15, tr("E-mail"), "edEmail", 34, tr("E-mail address of the customer"));
    addField(customerGrid, 5, 2, 16, tr("Home Page"), "edHomePage", 35, tr("Home page of the customer"));
    customerGrid->setColumnStretch(1, 1);
    customerGrid->setColumnStretch(3, 1);

    // Contact person of the customer.
    auto* contactGrid = new QGridLayout(gbContactPerson);
    addField(contactGrid, 0, 0, 18, tr("First Name"), "edFirstName", 36,
             tr("First name of the contact person"));
    addField(contactGrid, 1, 0, 19, tr("Last Name"), "edLastName", 37, tr("Last name of the contact person"));
    addField(contactGrid, 0, 2, 13, tr("Phone"), "edContactPhone", 38,
             tr("Phone number of the contact person"));
    addField(contactGrid, 1, 2, 20, tr("Mobile"), "edMobile", 39, tr("Mobile phone of the contact person"));
    addField(contactGrid, 2, 2, 15, tr("E-mail"), "edContactEmail", 40,
             tr("E-mail address of the contact person"));
    contactGrid->setColumnStretch(1, 1);
    contactGrid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gbProject);
    layout->addWidget(gbCustomer);
    layout->addWidget(gbContactPerson);
    layout->addStretch(1);

    translate(TListNames{});
}

QLineEdit* ProjectPage::addField(QGridLayout* grid, int row, int column, std::size_t labelEntry,
                                 const QString& label, const char* name, std::size_t hintEntry,
                                 const QString& hint)
{
    QWidget* parent = grid->parentWidget();
    auto* caption = new QLabel(parent);
    caption->setObjectName(QStringLiteral("lbl") + QLatin1String(name + 2));
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(100);
    caption->setBuddy(field);
    grid->addWidget(caption, row, column);
    grid->addWidget(field, row, column + 1);
    m_captions.push_back({caption, labelEntry, label});
    m_hints.push_back({field, hintEntry, hint});
    m_fields.push_back(field);
    return field;
}

void ProjectPage::translate(const TListNames& texts)
{
    for (const Caption& caption : m_captions)
        setCaptionOf(caption.control, entryText(texts, caption.entry, caption.builtIn));
    for (const Caption& hint : m_hints)
        applyHint(hint.control, texts, hint.entry, hint.builtIn);
}

QString ProjectPage::projectName() const
{
    return edProjectName->text();
}

void ProjectPage::setProjectName(const QString& name)
{
    edProjectName->setText(name);
}

QString ProjectPage::calcNumber() const
{
    return edCalcNo->text();
}

void ProjectPage::setProjectDate(const QDate& date)
{
    dtpDate->setDate(date);
}

void ProjectPage::restorePreparedBy()
{
    m_restoring = true;
    const SettingsGroup& contact = m_settings.group(SettingsGroupId::ProjectContact);
    const QString person = qs(contact.ReadString(kDefaultsSection, "ContactPerson", ""));
    {
        const QSignalBlocker blocker(cbPreparedBy);
        cbPreparedBy->clear();
        for (const std::string& name : ListPersons(m_settings.programFolder()))
            cbPreparedBy->addItem(qs(name));
        cbPreparedBy->setCurrentIndex(person.isEmpty() ? -1 : cbPreparedBy->findText(person));
    }
    edProjectName->setText(qs(contact.ReadString(kDefaultsSection, "Initial", "")));
    m_restoring = false;
}

void ProjectPage::cbPreparedByChange(int index)
{
    if (m_restoring)
        return;
    const QString text = index >= 0 ? cbPreparedBy->itemText(index) : QString();
    if (text.isEmpty()) {
        edProjectName->clear();
    } else {
        const auto [first, last] = SplitDisplayName(us(text));
        const TPersonRec person = ReadPerson(m_settings.programFolder(), first, last);
        edProjectName->setText(qs(person.Initial));
    }
    SettingsGroup& contact = m_settings.group(SettingsGroupId::ProjectContact);
    contact.WriteString(kDefaultsSection, "ContactPerson", us(text));
    contact.WriteString(kDefaultsSection, "Initial", us(edProjectName->text()));
}

void ProjectPage::newProject()
{
    const SettingsGroup& contact = m_settings.group(SettingsGroupId::ProjectContact);
    const std::string stored = contact.ReadString(kDefaultsSection, "ContactPerson", "");
    if (!cbPreparedBy->currentText().isEmpty() && us(cbPreparedBy->currentText()) == stored)
        edProjectName->setText(qs(contact.ReadString(kDefaultsSection, "Initial", "")));
    else
        edProjectName->clear();
    edCalcNo->clear();
    cbCustomerName->clear();
    cbCustomerName->clearEditText();
    for (QLineEdit* field : m_fields)
        field->clear();
}

// ---------------------------------------------------------------------------------------------

ComposedPage::ComposedPage(const char* objectName, UnitBoxSet* units, QWidget* parent)
    : QWidget(parent), m_units(units), m_content(new QVBoxLayout(this))
{
    setObjectName(QLatin1String(objectName));
    if (m_units)
        m_units->setParent(this);
}

void ComposedPage::clearFields()
{
    if (!m_units)
        return;
    for (const UnitBoxSet::DecimalField& entry : m_units->decimalFields())
        entry.field->setValue(0);
}

ParametersPage::ParametersPage(QWidget* parent)
    : ComposedPage("DataTabSheet", new UnitBoxSet(PresetScreen::Inputs, SettingsGroupId::UnitsInput), parent)
{
}

CalculationsPage::CalculationsPage(QWidget* parent)
    : ComposedPage("CalcTabSheet", new UnitBoxSet(PresetScreen::Results, SettingsGroupId::UnitsOutput),
                   parent)
{
}

void CalculationsPage::setResultCount(int count)
{
    const bool before = hasResults();
    m_resultCount = count < 0 ? 0 : count;
    if (before != hasResults())
        emit resultsChanged(hasResults());
}

DesignPage::DesignPage(QWidget* parent) : ComposedPage("DesignTabSheet", nullptr, parent) {}

} // namespace velor
