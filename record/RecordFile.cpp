// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordFile.h"

#include "mistakes/Misconception.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace {

const QString format = QStringLiteral("porominka-record");
constexpr int version = 1;

// The settings in the command line's words, in the order of their items.
const QStringList rangeWords{"10", "20", "100", "1000", "9999"};
const QStringList carryWords{"none", "always", "mixed"};
const QStringList outcomeWords{"correct", "notes-wrong", "answer-wrong"};

QString operationWord(Operation operation)
{
    return operation == Operation::Subtraction ? QStringLiteral("subtract") : QStringLiteral("add");
}

QJsonArray idsOf(const std::vector<std::string>& ids)
{
    QJsonArray array;
    for (const std::string& id : ids)
        array.append(QString::fromStdString(id));
    return array;
}

QJsonObject objectOf(const JudgedProblem& problem)
{
    return {
        {"judgedAt", QDateTime::fromMSecsSinceEpoch(problem.judgedAt, Qt::UTC).toString(Qt::ISODateWithMs)},
        {"range", rangeWords.value(static_cast<int>(problem.settings.range))},
        {"carry", carryWords.value(static_cast<int>(problem.settings.carryMode))},
        {"chosenOperation", operationWord(problem.settings.operation)},
        {"operation", operationWord(problem.operation)},
        {"upper", problem.upper},
        {"lower", problem.lower},
        {"answer", QString::fromStdString(problem.answer)},
        {"notes", QString::fromStdString(problem.notes)},
        {"strikes", QString::fromStdString(problem.strikes)},
        {"outcome", QString::fromStdString(problem.outcome)},
        {"seconds", problem.seconds},
        {"sightings", idsOf(problem.sightings)},
    };
}

// Reading stops at the first thing wrong, with what it was.
struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void refuse(const QString& what)
{
    throw Refusal(what.toStdString());
}

QJsonValue field(const QJsonObject& object, const char* name, QJsonValue::Type type)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.type() != type)
        refuse(QStringLiteral("\"%1\" is missing or of the wrong kind").arg(QLatin1String(name)));
    return value;
}

int wordIndex(const QJsonObject& object, const char* name, const QStringList& words)
{
    const int index = static_cast<int>(words.indexOf(field(object, name, QJsonValue::String).toString()));
    if (index < 0)
        refuse(QStringLiteral("\"%1\" is not one of %2").arg(QLatin1String(name), words.join(QStringLiteral(", "))));
    return index;
}

Operation operationOf(const QJsonObject& object, const char* name)
{
    return wordIndex(object, name, {"add", "subtract"}) == 1 ? Operation::Subtraction : Operation::Addition;
}

std::int32_t wholeNumber(const QJsonObject& object, const char* name, int highest)
{
    const double value = field(object, name, QJsonValue::Double).toDouble();
    if (value < 0 || value > highest || value != static_cast<std::int32_t>(value))
        refuse(QStringLiteral("\"%1\" is not a whole number from 0 to %2").arg(QLatin1String(name)).arg(highest));
    return static_cast<std::int32_t>(value);
}

std::vector<std::string> knownIds(const QJsonArray& array)
{
    std::vector<std::string> ids;
    for (const QJsonValue& value : array) {
        const std::string id = value.toString().toStdString();
        if (!FindMisconception(id))
            refuse(QStringLiteral("\"%1\" is no misconception the drill knows").arg(value.toString()));
        ids.push_back(id);
    }
    return ids;
}

JudgedProblem problemOf(const QJsonObject& object)
{
    JudgedProblem problem;
    // Only the form the export writes: Qt reads other forms leniently.
    const QString written = field(object, "judgedAt", QJsonValue::String).toString();
    const QDateTime judgedAt = QDateTime::fromString(written, Qt::ISODateWithMs);
    if (!judgedAt.isValid() || judgedAt.toUTC().toString(Qt::ISODateWithMs) != written)
        refuse(QStringLiteral("\"judgedAt\" is not a time"));
    problem.judgedAt = judgedAt.toMSecsSinceEpoch();
    problem.settings = {static_cast<Range>(wordIndex(object, "range", rangeWords)),
                        static_cast<CarryMode>(wordIndex(object, "carry", carryWords)),
                        operationOf(object, "chosenOperation")};
    problem.operation = operationOf(object, "operation");
    problem.upper = wholeNumber(object, "upper", 9999);
    problem.lower = wholeNumber(object, "lower", 9999);
    problem.answer = field(object, "answer", QJsonValue::String).toString().toStdString();
    problem.notes = field(object, "notes", QJsonValue::String).toString().toStdString();
    problem.strikes = field(object, "strikes", QJsonValue::String).toString().toStdString();
    problem.outcome = outcomeWords.value(wordIndex(object, "outcome", outcomeWords)).toStdString();
    problem.seconds = wholeNumber(object, "seconds", 24 * 60 * 60);
    problem.sightings = knownIds(field(object, "sightings", QJsonValue::Array).toArray());
    if (!SheetOf(problem))
        refuse(QStringLiteral("a problem the drill cannot pose, or cells it cannot hold"));
    return problem;
}

void checkNamed(const QJsonArray& named, std::size_t problems)
{
    for (const QJsonValue& entry : named) {
        knownIds({field(entry.toObject(), "id", QJsonValue::String)});
        for (const QJsonValue& place : field(entry.toObject(), "problems", QJsonValue::Array).toArray())
            if (!place.isDouble() || place.toDouble() < 0 || place.toDouble() >= static_cast<double>(problems))
                refuse(QStringLiteral("a named misconception points past the problems"));
    }
}

} // namespace

QByteArray RecordJson(const std::vector<JudgedProblem>& record)
{
    QJsonArray problems;
    for (const JudgedProblem& problem : record)
        problems.append(objectOf(problem));
    QJsonArray named;
    for (const Misconception* misconception : DiagnosisOf(record).Named()) {
        const std::string id(misconception->id);
        QJsonArray places;
        for (std::size_t place = 0; place < record.size(); ++place)
            for (const std::string& sighted : record[place].sightings)
                if (sighted == id)
                    places.append(static_cast<int>(place));
        named.append(QJsonObject{{"id", QString::fromStdString(id)}, {"problems", places}});
    }
    const QJsonObject file{{"format", format}, {"version", version}, {"problems", problems}, {"named", named}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::variant<std::vector<JudgedProblem>, QString> ReadRecordJson(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("not JSON: ") + error.errorString();
    if (!document.isObject() || document.object().value(QStringLiteral("format")).toString() != format)
        return QStringLiteral("not a record of porominka");
    try {
        const QJsonObject file = document.object();
        if (field(file, "version", QJsonValue::Double).toInt() != version)
            refuse(QStringLiteral("a record of another version"));
        std::vector<JudgedProblem> problems;
        for (const QJsonValue& problem : field(file, "problems", QJsonValue::Array).toArray())
            problems.push_back(problemOf(problem.toObject()));
        checkNamed(field(file, "named", QJsonValue::Array).toArray(), problems.size());
        return problems;
    } catch (const Refusal& refusal) {
        return QString::fromStdString(refusal.what());
    }
}
