// The Precision dialog.
#include "app/precisiondialog.h"

#include "app/guitext.h"
#include "app/settings_display.h"
#include "widgets/dialogbuttons.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velor {

namespace {

struct Row
{
    const char* key;
    std::size_t labelEntry;
    const char* label;
    std::size_t hintEntry;
};

constexpr std::size_t kAllLabel = 4;
constexpr std::size_t kAllHint = 31;

const Row kCalcRows[] = {
    {"AllCalc", kAllLabel, "All", kAllHint},
    {"CapacityCalc", 6, "Heat Load", 33},
    {"TempCalc", 7, "Temperature", 34},
    {"PressCalc", 8, "Pressure", 35},
    {"DropPressCalc", 9, "Drop Pressure", 36},
    {"FlowCalc", 10, "Flow", 37},
    {"OversurfCalc", 11, "Oversize", 38},
    {"FoulFactCalc", 12, "Fouling Factor", 39},
    {"HTACalc", 13, "Heat Transfer Area", 40},
    {"OHTCCalc", 14, "OHTC", 41},
    {"AlphaCalc", 15, "HTC", 42},
    {"ReynNoCalc", 16, "Reynolds No.", 43},
    {"NussNoCalc", 17, "Nusselt No.", 44},
    {"VelocityCalc", 18, "Velocity", 45},
    {"NTUCalc", 19, "NTU", 46},
};

const Row kFluidRows[] = {
    {"AllFluids", kAllLabel, "All", kAllHint},
    {"TempFluids", 7, "Temperature", 34},
    {"PressFluids", 8, "Pressure", 35},
    {"DensityFluids", 21, "Density", 47},
    {"HeatCapFluids", 22, "Heat Capacity", 48},
    {"ConductFluids", 23, "Therm. Conductivity", 49},
    {"DynViscFluids", 24, "Dynamic Viscosity", 50},
    {"MolWeightFluids", 25, "Molecular Weight", 51},
    {"LatHeatFluids", 26, "Latent Heat", 52},
    {"PrandNoFluids", 27, "Prandtl No.", 53},
    {"ConcentrFluids", 28, "Concentration", 54},
};

const Row kPrintRows[] = {
    {"AllPrint", kAllLabel, "All", kAllHint},
    {"TempPrint", 7, "Temperature", 34},
    {"PressPrint", 8, "Pressure", 35},
    {"LengthPrint", 56, "Length", 56},
    {"AreaPrint", 57, "Area", 57},
    {"VolPrint", 58, "Volume", 58},
    {"WeightPrint", 59, "Weight", 59},
};

// Decimals a quantity box offers; the "All" box is not limited to them.
constexpr int kMaxDecimals = 6;
// The "All" box: wide enough for any decimals a display can show.
constexpr int kMaxAllDecimals = 18;

} // namespace

PrecisionDialog::PrecisionDialog(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("ProgSettings"));
    if (parent)
        setFont(parent->font());
    const TListNames texts = loadScreenTexts(settings, "Precision.dat");
    setWindowTitle(entryText(texts, 0, tr("Precision")));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pcPrecision"));

    struct PageDef
    {
        const char* name;
        std::size_t captionEntry;
        const char* caption;
        SettingsGroupId group;
        const char* optionKey;
        const Row* rows;
        std::size_t rowCount;
    };
    const PageDef pages[] = {
        {"CalculationsTabSheet", 1, "C&alculations", SettingsGroupId::DecimalsCalc, "OptionCalc", kCalcRows,
         std::size(kCalcRows)},
        {"FluidsTabSheet", 20, "&Fluids", SettingsGroupId::DecimalsFluids, "OptionFluids", kFluidRows,
         std::size(kFluidRows)},
        {"PrintoutsTabSheet", 55, "&Printouts", SettingsGroupId::DecimalsPrint, "OptionPrint", kPrintRows,
         std::size(kPrintRows)},
    };
    m_pages.reserve(std::size(pages));
    for (const PageDef& def : pages) {
        Page& page = m_pages.emplace_back();
        page.group = def.group;
        page.optionKey = def.optionKey;
        const SettingsGroup& group = settings.group(def.group);

        auto* sheet = new QWidget(tabs);
        sheet->setObjectName(QLatin1String(def.name));
        auto* digits =
            new QGroupBox(entryText(texts, 2, tr("Number of digits after the decimal point")), sheet);
        auto* grid = new QGridLayout(digits);
        const int perColumn = static_cast<int>((def.rowCount + 1) / 2);
        for (std::size_t i = 0; i < def.rowCount; ++i) {
            const Row& row = def.rows[i];
            auto* label = new QLabel(entryText(texts, row.labelEntry, tr(row.label)), digits);
            auto* box = new QSpinBox(digits);
            box->setObjectName(QStringLiteral("se") + QLatin1String(row.key));
            box->setRange(0, i == 0 ? kMaxAllDecimals : kMaxDecimals);
            box->setValue(group.integer(row.key));
            box->setToolTip(entryText(texts, row.hintEntry, label->text().remove(QLatin1Char('&'))));
            box->setMinimumWidth(56);
            label->setBuddy(box);
            const int r = static_cast<int>(i) % perColumn;
            const int c = static_cast<int>(i) / perColumn * 3;
            grid->addWidget(label, r, c);
            grid->addWidget(box, r, c + 1);
            if (c == 0)
                grid->setColumnMinimumWidth(2, 16);
            page.boxes.emplace_back(row.key, box);
        }
        grid->setRowStretch(perColumn, 1);
        page.allBox = page.boxes.front().second;

        auto* option = new QGroupBox(entryText(texts, 3, tr("Option")), sheet);
        page.rbAll = new QRadioButton(entryText(texts, 4, tr("All")), option);
        page.rbCustom = new QRadioButton(entryText(texts, 5, tr("Custom")), option);
        page.rbAll->setObjectName(QStringLiteral("rbAll") + QLatin1String(def.optionKey + 6));
        page.rbCustom->setObjectName(QStringLiteral("rbCustom") + QLatin1String(def.optionKey + 6));
        auto* optionLayout = new QVBoxLayout(option);
        optionLayout->addWidget(page.rbAll);
        optionLayout->addWidget(page.rbCustom);
        optionLayout->addStretch(1);
        (group.integer(def.optionKey) == kPrecisionOptionAll ? page.rbAll : page.rbCustom)->setChecked(true);

        auto* sheetLayout = new QHBoxLayout(sheet);
        sheetLayout->addWidget(digits, 1);
        sheetLayout->addWidget(option);
        tabs->addTab(sheet, entryText(texts, def.captionEntry, tr(def.caption)));
    }
    for (Page& page : m_pages) {
        connect(page.rbAll, &QRadioButton::toggled, this, [this, &page] { rbOptionClick(page); });
        rbOptionClick(page);
    }

    const DialogButtons buttons =
        makeDialogButtons(this, entryText(texts, 29, tr("&OK")), entryText(texts, 30, tr("&Cancel")));
    connect(buttons.ok, &QPushButton::clicked, this, &PrecisionDialog::btnOKClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons.row);
}

QSpinBox* PrecisionDialog::box(const std::string& key) const
{
    for (const Page& page : m_pages)
        for (const auto& [name, box] : page.boxes)
            if (name == key)
                return box;
    return nullptr;
}

void PrecisionDialog::rbOptionClick(Page& page)
{
    // "All" enables only the page's "All" box; "Custom" the others.
    const bool all = page.rbAll->isChecked();
    for (const auto& [name, box] : page.boxes)
        box->setEnabled((box == page.allBox) == all);
}

void PrecisionDialog::btnOKClick()
{
    for (const Page& page : m_pages) {
        SettingsGroup& group = m_settings.group(page.group);
        group.WriteInteger(kDefaultsSection, page.optionKey,
                           page.rbAll->isChecked() ? kPrecisionOptionAll : kPrecisionOptionCustom);
        for (const auto& [name, box] : page.boxes)
            group.WriteInteger(kDefaultsSection, name, box->value());
    }
    accept();
}

} // namespace velor
