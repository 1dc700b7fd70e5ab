#include "app/screens/model/crow_amsaa_screens.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "plot/crow_amsaa_charts.h"
#include "plot/tabbed_chart.h"

namespace vnk::app {

namespace crow = models::crow;

CrowAmsaaSettingsScreen::CrowAmsaaSettingsScreen(Prompter& prompter, crow::Settings start,
                                                 QWidget* parent)
    : Screen(prompter, QString::fromLatin1(crow::kTitle),
             QString::fromLatin1(help_page::kCrowAmsaaTracking), parent) {
    auto* form = new QFormLayout;
    confidence_ = new QComboBox(this);
    confidence_->setObjectName(QStringLiteral("confidenceBox"));
    confidence_->addItems({QStringLiteral("90%"), QStringLiteral("95%")});
    confidence_->setCurrentIndex(start.confidence > 0.925 ? 1 : 0);
    sides_ = new QComboBox(this);
    sides_->setObjectName(QStringLiteral("sidesBox"));
    sides_->addItems({QStringLiteral("Two-sided"), QStringLiteral("One-sided")});
    sides_->setCurrentIndex(start.sides == BoundSides::OneSided ? 1 : 0);
    form->addRow(QStringLiteral("Confidence of the bounds:"), confidence_);
    form->addRow(QStringLiteral("Bounds:"), sides_);
    body()->addLayout(form);
    addOkCancelHelp();
}

crow::Settings CrowAmsaaSettingsScreen::settings() const {
    crow::Settings s;
    s.confidence = confidence_->currentIndex() == 1 ? 0.95 : 0.90;
    s.sides = sides_->currentIndex() == 1 ? BoundSides::OneSided : BoundSides::TwoSided;
    return s;
}

CrowAmsaaPlotsScreen::CrowAmsaaPlotsScreen(Prompter& prompter, const crow::Analysis& analysis,
                                           QWidget* parent)
    : Screen(prompter, QStringLiteral("Crow-AMSAA Plots"),
             QString::fromLatin1(help_page::kCrowAmsaaTracking), parent),
      analysis_(analysis) {
    const crow::Analysis& a = analysis_;
    auto* charts = new plot::TabbedChart(
        {QStringLiteral("Duane Plot"), QStringLiteral("MTBF"),
         QStringLiteral("Cumulative Failures")},
        [a](int tab) -> std::optional<plot::ChartDesign> {
            if (tab == 0) return plot::CrowDuaneChart(a);
            if (tab == 1) return plot::CrowMtbfChart(a);
            return plot::CrowCumulativeFailuresChart(a);
        },
        this);
    charts->setMinimumSize(720, 440);
    tabs_ = charts->tabBar();
    body()->addWidget(charts, 1);
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    addHelpButton();
}

}  // namespace vnk::app
