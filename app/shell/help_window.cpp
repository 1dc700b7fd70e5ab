#include "app/shell/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>

#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/shell/artwork.h"

namespace vnk::app {

const std::vector<HelpTopic>& HelpTopics() {
    static const std::vector<HelpTopic> topics = {
        {help_page::kContents, "Contents"},
        {help_page::kGettingStarted, "Getting started"},
        {help_page::kDataFiles, "Data files and column codes"},
        {help_page::kDataImport, "Importing an export"},
        {help_page::kStartupConfiguration, "Start-up configuration (VARNOK3.INI)"},
        {help_page::kFileMenu, "File menu"},
        {help_page::kDataMenu, "Data menu"},
        {help_page::kDataEntry, "Typing data in"},
        {help_page::kEditing, "Editing TBF data"},
        {help_page::kStatistics, "Data statistics"},
        {help_page::kTrendAnalysis, "Trend analysis"},
        {help_page::kConversionsMenu, "Conversions menu"},
        {help_page::kTransformationsMenu, "Transformations menu"},
        {help_page::kExecutionsMenu, "Executions menu"},
        {help_page::kSetupMenu, "Setup menu"},
        {help_page::kHelpMenu, "Help menu"},
        {"model_geometric", "Model: Geometric"},
        {"model_jelinski_moranda", "Model: Jelinski/Moranda"},
        {"model_littlewood_verrall", "Model: Littlewood and Verrall"},
        {"model_musa_basic", "Model: Musa's basic"},
        {"model_musa_logarithmic", "Model: Musa's logarithmic"},
        {"model_nhpp_tbf", "Model: Non-homogeneous Poisson (TBF)"},
        {"model_brooks_motley", "Model: Brooks and Motley"},
        {"model_generalized_poisson", "Model: Generalized Poisson"},
        {"model_nhpp_interval", "Model: Non-homogeneous Poisson (interval)"},
        {"model_schneidewind", "Model: Schneidewind"},
        {"model_yamada", "Model: Yamada S-shaped"},
        {"model_amsaa_crow", "Model: AMSAA/Crow projection (hardware TBF)"},
        {"model_amsaa_discrete", "Model: AMSAA discrete (hardware interval)"},
        {"model_crow_amsaa_tracking", "Model: Crow-AMSAA tracking (hardware TBF and interval)"},
        {"model_comparison", "Model comparison (AIC, BIC, PSSE)"},
    };
    return topics;
}

QString HelpPagePath(const QString& page) { return QStringLiteral(":/help/%1.html").arg(page); }

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("%1 Help").arg(QString::fromLatin1(text::kAppTitle)));
    setWindowIcon(ProgramIcon());
    auto* splitter = new QSplitter(this);
    contents_ = new QListWidget(splitter);
    contents_->setObjectName(QStringLiteral("helpContents"));
    for (const HelpTopic& t : HelpTopics()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(t.title), contents_);
        item->setData(Qt::UserRole, QString::fromLatin1(t.page));
    }
    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(true);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 600});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(900, 640);

    connect(contents_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) showPage(item->data(Qt::UserRole).toString());
    });
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::syncContents);
    showPage(QString::fromLatin1(help_page::kContents));
}

void HelpWindow::showPage(const QString& page) {
    const QString name =
        QFile::exists(HelpPagePath(page)) ? page : QString::fromLatin1(help_page::kContents);
    const QUrl url(name + QStringLiteral(".html"));
    if (browser_->source() != url) browser_->setSource(url);
    syncContents();
}

QString HelpWindow::currentPage() const {
    QString file = browser_->source().fileName();
    return file.endsWith(QStringLiteral(".html")) ? file.chopped(5) : file;
}

void HelpWindow::syncContents() {
    const QString page = currentPage();
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(Qt::UserRole).toString() == page) {
            const QSignalBlocker block(contents_);
            contents_->setCurrentRow(row);
            return;
        }
    }
}

}  // namespace vnk::app
