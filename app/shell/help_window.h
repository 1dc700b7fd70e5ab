// The program's help: the pages compiled into the program, a contents list at the left and
// the page at the right. Links between pages work as in a browser.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QListWidget;
class QTextBrowser;

namespace vnk::app {

struct HelpTopic {
    const char* page;   // file name without ".html"
    const char* title;  // as the contents list shows it
};

// Every page of the help, in the order of the contents.
const std::vector<HelpTopic>& HelpTopics();
// The resource path of a page.
QString HelpPagePath(const QString& page);

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows `page` (the contents page when it names no page of the help).
    void showPage(const QString& page);
    QString currentPage() const;
    QTextBrowser* browser() const { return browser_; }
    QListWidget* contents() const { return contents_; }

  private:
    void syncContents();
    QListWidget* contents_;
    QTextBrowser* browser_;
};

}  // namespace vnk::app
