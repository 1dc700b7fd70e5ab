#include "app/screens/execution/optimum_s_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "models/nhpp_schneidewind_yamada_models.h"
#include "numerics/schneidewind.h"

namespace vnk::interval_screens {

namespace os = models::optimum_s;

int ParseS(const QString& text, int previous) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : previous;
}

namespace {
QLabel* Text(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}
}  // namespace

OptimumSDialog::OptimumSDialog(app::Prompter& prompter, execution::SchneidewindSRequest& request,
                               plot::OptimumSData investigation, QWidget* parent)
    : Screen(prompter, QString::fromUtf8(os::kTitle), QStringLiteral("model_schneidewind"), parent),
      request_(request),
      investigation_(std::move(investigation)) {
    request_.S2 = 0;
    request_.S3 = 0;
    closeButtonGap();
    QVBoxLayout* layout = body();
    auto* form = new QFormLayout;
    s2_ = new QLineEdit(QStringLiteral("0"), this);
    s3_ = new QLineEdit(QStringLiteral("0"), this);
    s2_->setObjectName("type2");
    s3_->setObjectName("type3");
    if (request_.found) {
        for (const char* text : os::kFoundTexts) layout->addWidget(Text(text, this));
        const char* labels[] = {os::kBestFLabel, os::kBestTLabel, os::kBestRLabel};
        for (int i = 0; i < 3; ++i) {
            auto* best =
                new QLineEdit(QString::number(request_.optimum[static_cast<std::size_t>(i)]), this);
            best->setReadOnly(true);
            best->setObjectName(QStringLiteral("best%1").arg(i));
            form->addRow(QString::fromUtf8(labels[i]), best);
        }
        form->addRow(QString::fromUtf8(os::kFoundType2Label), s2_);
        form->addRow(QString::fromUtf8(os::kFoundType3Label), s3_);
    } else {
        layout->addWidget(Text(os::kNotFoundText, this));
        layout->addWidget(Text(os::kNotFoundHint, this));
        form->addRow(QString::fromUtf8(os::kNotFoundType2Label), s2_);
        form->addRow(QString::fromUtf8(os::kNotFoundType3Label), s3_);
    }
    layout->addLayout(form);

    ok_ = addButton(tr("OK"), QStringLiteral("okButton"));
    investigate_ = addButton(tr("Investigate"), QStringLiteral("investigateButton"));
    addHelpButton();
    connect(ok_, &QPushButton::clicked, this, &OptimumSDialog::okPressed);
    connect(investigate_, &QPushButton::clicked, this, &OptimumSDialog::openInvestigation);
}

void OptimumSDialog::okPressed() {
    request_.S2 = ParseS(s2_->text(), 0);
    request_.S3 = ParseS(s3_->text(), 0);
    accept();
}

void OptimumSDialog::openInvestigation() {
    // Modal to this screen only, and without waiting here: the S screen keeps its answer
    // open until the investigation is closed.
    auto* screen =
        new plot::OptimumSInvestigationScreen(prompter(), investigation_, helpPage(), this);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setWindowModality(Qt::WindowModal);
    connect(screen, &plot::OptimumSInvestigationScreen::printRequested, this, [this] {
        if (print_) print_(OptimumSReport(investigation_));
    });
    screen->show();
    emit investigationOpened(screen);
}

plot::OptimumSData OptimumSDataOf(const execution::SchneidewindSearch& search) {
    return {search.SVALUE, search.MSET, search.MSEF, search.MSER, search.ALPHA, search.BETA};
}

std::string OptimumSReport(const plot::OptimumSData& data) {
    // Every array padded to the number of S values, entries it lacks counting as no fit.
    const std::size_t NS = data.sValue.size();
    auto padded = [NS](std::vector<double> v) {
        v.resize(NS, kNoFit);
        return v;
    };
    const std::vector<double> S = data.sValue, T = padded(data.mseT), F = padded(data.mseF),
                              R = padded(data.mseR), A = padded(data.alpha), B = padded(data.beta);
    return models::OptimumSInvestigationReport(static_cast<int>(NS), S, T, F, R, A, B);
}

}  // namespace vnk::interval_screens
