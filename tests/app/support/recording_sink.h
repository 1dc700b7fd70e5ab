// A message seam for tests: records every message instead of showing a box.
#pragma once

#include <QStringList>

#include "app/kit/message_sink.h"

struct RecordingSink : vnk::screens::MessageSink {
    QStringList captions;
    QStringList texts;
    void message(QWidget*, const QString& caption, const QString& text,
                 vnk::screens::MessageIcon) override {
        captions << caption;
        texts << text;
    }
};
