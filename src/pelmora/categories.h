#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Category files: the category's name on the first line, then its questions, then "EOF".
namespace pelmora {

struct Category {
    QString file;
    QString name;
};

// A file name up to its first ".": how the categories dialog lists a category file.
QString categoryItem(const QString& fileName);

// Whether another category file, on or off, has a name, or a name before its extension, that
// differs from file's only in case. Such twins keep their places under their exact names.
bool hasCaseTwin(const QString& file, const QStringList& categoryFiles);

// The active categories of a listing of category files, in listing order, at most
// MaxCategories of them. Each is named by its file's first line; a file that has none (empty
// or unreadable) is named after the file.
std::vector<Category> readCategories(const QStringList& listing);

// The next question of a category file.
struct QuestionRead {
    bool found = false;    // false: the file holds no "QUESTION" header at all
    bool cutShort = false; // the file ends before the question's right-answer line
    QString question;
    int rightAnswer = 0;
    int answerCount = 0;
};

// Asks question placeHolder + 1 of a category file's content, filling answers 1..4 as they
// are read (entries not reached keep what they held). placeHolder counts the question as
// asked, and returns to 0 after the file's last question or a record cut short. A place
// beyond the file's questions asks the first one. Never reads past the end of the content.
QuestionRead readQuestion(const QByteArray& content, qint64& placeHolder, int& skipCount,
                          std::array<QString, 5>& answers);

// The right answer's text to show, empty for a number outside the answers table.
QString rightAnswerText(const std::array<QString, 5>& answers, int rightAnswer);

} // namespace pelmora
