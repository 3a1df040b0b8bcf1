#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The names of the regular files that match a pattern such as "*.trv" or "data\*.PUZ": the
// folder part goes through the resolver, the name part is matched ignoring case. Names come
// without their folder, sorted ignoring case, so a file rewritten in place keeps its turn.
QStringList listFiles(const QString& pattern);

// The same listing handed out one name at a time: the first request names the pattern, each
// further one returns the next name, and an empty name marks the end.
class DirectoryListing {
  public:
    QString first(const QString& pattern);
    QString next();

  private:
    QStringList names_;
    qsizetype position_ = 0;
};

} // namespace platform
