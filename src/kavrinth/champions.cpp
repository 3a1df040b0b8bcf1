#include "champions.h"
#include "platform/filenames.h"
#include "platform/runtimeerror.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

#include <QFileInfo>
#include <cmath>

namespace kavrinth {

Champions defaultChampions() {
    Champions list;
    for (Champion& entry : list)
        entry = {"AAA", 0};
    return list;
}

std::optional<Champions> parseChampions(const QByteArray& content) {
    shared::TextFileReader reader(content);
    Champions list;
    try {
        for (Champion& entry : list) {
            entry.initials = reader.readItem();
            const double score = reader.readNumber();
            if (!(std::fabs(score) <= 2147483647.0) || score != std::trunc(score))
                return std::nullopt;
            entry.score = qint64(score);
        }
    } catch (const platform::RunTimeError&) {
        return std::nullopt;
    }
    return list;
}

namespace {

// Initials are written raw, except those that the item reading would split at a comma or a
// line end: they go back in the double quotes they were read from, which never hold a quote.
QString initialsLine(const QString& initials) {
    const bool splits =
        initials.contains(',') || initials.contains('\r') || initials.contains('\n');
    return splits && !initials.contains('"') ? '"' + initials + '"' : initials;
}

} // namespace

QByteArray championsBytes(const Champions& list, shared::TextEncoding encoding) {
    shared::TextFileWriter writer(encoding);
    for (const Champion& entry : list) {
        writer.writeTextLine(initialsLine(entry.initials));
        writer.writeNumberLine(entry.score);
    }
    return writer.content();
}

bool qualifies(const Champions& list, qint64 score) {
    for (const Champion& entry : list)
        if (score > entry.score)
            return true;
    return false;
}

bool insertChampion(Champions& list, const QString& initials, qint64 score) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (score > list[i].score) {
            for (std::size_t j = list.size() - 1; j > i; --j)
                list[j] = list[j - 1];
            list[i] = {initials, score};
            return true;
        }
    }
    return false;
}

QString championsListText(const Champions& list) {
    QString text;
    for (const Champion& entry : list)
        text += entry.initials + "\t" + shared::numberText(entry.score) + "\r";
    return text;
}

bool isAllowedInitial(QChar c) {
    return c != ',' && c != '"' && c.isPrint();
}

LoadedChampions loadChampions(const QString& path) {
    LoadedChampions loaded;
    const QString file = platform::resolveFileName(path);
    if (!QFileInfo::exists(file)) {
        loaded.state = FileState::Missing;
        return loaded;
    }
    const std::optional<QByteArray> content =
        shared::readFilePrefix(file, shared::limit::SmallFile, &loaded.problem);
    if (!content) {
        loaded.state = FileState::Unreadable;
        return loaded;
    }
    const std::optional<Champions> list = parseChampions(*content);
    if (!list) {
        loaded.state = FileState::Malformed;
        return loaded;
    }
    loaded.state = FileState::Read;
    loaded.list = *list;
    loaded.encoding = shared::encodingOf(*content);
    return loaded;
}

Recorded recordChampion(const QString& path, const QString& initials, qint64 score,
                        QString* problem) {
    LoadedChampions loaded = loadChampions(path);
    if (loaded.state == FileState::Missing)
        loaded.list = defaultChampions();
    else if (loaded.state != FileState::Read)
        return Recorded::NotAvailable;
    if (!insertChampion(loaded.list, initials, score))
        return Recorded::NoPlace;
    return shared::saveFile(platform::resolveFileName(path),
                            championsBytes(loaded.list, loaded.encoding), problem)
               ? Recorded::Saved
               : Recorded::NotSaved;
}

} // namespace kavrinth
