// A main window over a fresh document with a scripted prompter, run in a temporary folder so
// that start-up configurations, data files and the trace file of one test never meet another's.
#pragma once

#include <QDir>
#include <QSettings>
#include <QString>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/shell/document.h"
#include "app/shell/main_frame.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace vnk::app::test {

// `P` answers the program's screens: a ScriptedPrompter or one derived from it.
template <class P = ScriptedPrompter>
class BasicAppHarness {
  public:
    BasicAppHarness() : previous_(QDir::currentPath()) {
        const QString folder = QString::fromStdString(dir_.path().string());
        QDir::setCurrent(folder);
        // The user's settings (recent files) stay out of the tests, and one test's out of the next.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }
    ~BasicAppHarness() { QDir::setCurrent(previous_); }

    // A file in the temporary folder with exactly these bytes; returns its full path.
    QString write(const std::string& name, const std::string& contents) const {
        const std::filesystem::path p = dir_.path() / name;
        std::ofstream(p, std::ios::binary) << contents;
        return QString::fromStdString(p.string());
    }
    QString path(const std::string& name) const {
        return QString::fromStdString((dir_.path() / name).string());
    }
    std::string read(const std::string& name) const {
        std::ifstream in(dir_.path() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    const std::filesystem::path& folder() const { return dir_.path(); }

    FailureDataSet& data() { return doc.data(); }
    ProgramOptions& options() { return doc.options(); }

  private:
    vnk::test::TempDir dir_;
    QString previous_;

  public:
    CVarno3Doc doc;
    P prompter;
    CMainFrame frame{doc, prompter};
};

using AppHarness = BasicAppHarness<>;

}  // namespace vnk::app::test
