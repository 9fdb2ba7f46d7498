#include "print/SystemPrinters.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <algorithm>
#include <sstream>

namespace {

constexpr const char* kDefaultPrefix = "system default destination: ";
constexpr const char* kPaperOption = "PageSize/";

// What program prints on standard output when it ends well; "" when it
// cannot be started, fails or takes too long.
std::string Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(CSystemPrinters::kPatienceMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::vector<std::string> CSystemPrinters::ParseNames(const std::string& lpstatNames) {
    std::vector<std::string> names;
    for (const std::string& line : Lines(lpstatNames)) {
        if (!line.empty() && line.find_first_of(" \t") == std::string::npos) {
            names.push_back(line);
        }
    }
    return names;
}

std::string CSystemPrinters::ParseDefault(const std::string& lpstatDefault) {
    for (const std::string& line : Lines(lpstatDefault)) {
        if (line.rfind(kDefaultPrefix, 0) == 0) {
            return line.substr(std::string(kDefaultPrefix).size());
        }
    }
    return {};
}

// The line "PageSize/Page Size: Letter *A4 A5" marks the default with "*".
std::string CSystemPrinters::ParsePaper(const std::string& lpoptionsList) {
    for (const std::string& line : Lines(lpoptionsList)) {
        const std::size_t colon = line.find(':');
        if (line.rfind(kPaperOption, 0) != 0 || colon == std::string::npos) {
            continue;
        }
        std::istringstream choices(line.substr(colon + 1));
        for (std::string choice; choices >> choice;) {
            if (choice.size() > 1 && choice.front() == '*') {
                return choice.substr(1);
            }
        }
    }
    return {};
}

std::vector<std::string> CSystemPrinters::Names() const {
    return ParseNames(Output(QStringLiteral("lpstat"), {QStringLiteral("-e")}));
}

bool CSystemPrinters::Exists(const std::string& name) const {
    const std::vector<std::string> names = Names();
    return !name.empty() && std::find(names.begin(), names.end(), name) != names.end();
}

std::string CSystemPrinters::DefaultName() const {
    return ParseDefault(Output(QStringLiteral("lpstat"), {QStringLiteral("-d")}));
}

std::string CSystemPrinters::DefaultPaper(const std::string& printer) const {
    return ParsePaper(
        Output(QStringLiteral("lpoptions"),
               {QStringLiteral("-p"), QString::fromStdString(printer), QStringLiteral("-l")}));
}
