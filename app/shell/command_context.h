// What a command needs: the document it works on, the prompter for its screens and messages,
// and the window its screens belong to.
#pragma once

class QWidget;

namespace vnk::app {

class CVarno3Doc;
class Prompter;

struct CommandContext {
    CVarno3Doc& doc;
    Prompter& prompter;
    QWidget* parent;
};

}  // namespace vnk::app
