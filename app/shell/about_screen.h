// "About Varnok 3": the program's name, version and purpose.
#pragma once

#include "app/kit/screen.h"

namespace vnk::app {

class AboutScreen : public Screen {
    Q_OBJECT
  public:
    AboutScreen(Prompter& prompter, QWidget* parent = nullptr);
};

}  // namespace vnk::app
