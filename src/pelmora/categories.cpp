#include "categories.h"
#include "pelmora1.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {

QStringList linesOf(const QByteArray& content) {
    return shared::TextFileReader(content).readLines();
}

} // namespace

QString categoryItem(const QString& fileName) {
    return fileName.left(fileName.indexOf('.'));
}

bool hasCaseTwin(const QString& file, const QStringList& categoryFiles) {
    const auto onlyCaseDiffers = [](const QString& a, const QString& b) {
        return a != b && a.compare(b, Qt::CaseInsensitive) == 0;
    };
    // Every name ends in its four-character extension: ".trv" or ".trh".
    return std::any_of(categoryFiles.begin(), categoryFiles.end(), [&](const QString& other) {
        return onlyCaseDiffers(other, file) || onlyCaseDiffers(other.chopped(4), file.chopped(4));
    });
}

std::vector<Category> readCategories(const QStringList& listing) {
    std::vector<Category> categories;
    for (const QString& file : listing.mid(0, MaxCategories)) {
        QString name = categoryItem(file);
        if (const std::optional<QByteArray> content =
                shared::readFile(file, shared::limit::DataFile, nullptr)) {
            shared::TextFileReader reader(*content);
            if (!reader.atEnd())
                name = reader.readLine();
        }
        categories.push_back({file, name});
    }
    return categories;
}

QuestionRead readQuestion(const QByteArray& content, qint64& placeHolder, int& skipCount,
                          std::array<QString, 5>& answers) {
    const QStringList lines = linesOf(content);
    QList<qsizetype> headers;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].toUpper() == "QUESTION")
            headers << i;
    QuestionRead read;
    if (headers.isEmpty())
        return read;
    read.found = true;
    if (placeHolder < 0 || placeHolder >= headers.size())
        placeHolder = 0;
    skipCount = int(placeHolder) + 1;
    qsizetype pos = headers[placeHolder] + 1;
    ++placeHolder;

    const auto hasLine = [&] { return pos < lines.size(); };
    if (pos + 1 >= lines.size()) {
        placeHolder = 0;
        read.cutShort = true;
        return read;
    }
    read.question = lines[pos++];
    const double right = shared::textToNumber(lines[pos++]);
    read.rightAnswer = int(std::clamp(std::trunc(right), -1.0, 5.0));
    read.answerCount = 4;
    for (int k = 1; k <= 4; ++k) {
        if (hasLine())
            answers[k] = lines[pos++];
        if (answers[k] == "EOF" || !hasLine()) {
            answers[k].clear();
            placeHolder = 0;
            read.answerCount = k - 1;
            break;
        }
    }
    if (hasLine()) {
        const QString after = lines[pos++];
        if (after == "EOF" || !hasLine())
            placeHolder = 0;
    }
    return read;
}

QString rightAnswerText(const std::array<QString, 5>& answers, int rightAnswer) {
    return rightAnswer >= 0 && rightAnswer <= 4 ? answers[rightAnswer] : QString();
}

} // namespace pelmora
