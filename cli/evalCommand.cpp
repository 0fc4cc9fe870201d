// gyrelune-cli eval: one formula, evaluated once.
#include "cli/commands.h"
#include "formula/formula.h"
#include "formula/formulaField.h"
#include "formula/nonFinite.h"

#include <QCommandLineParser>

#include <cstdio>
#include <string>

namespace gyrelune::cli {

namespace {

const QString command = QStringLiteral("gyrelune-cli eval");
const QString usage = QStringLiteral("gyrelune-cli eval [--] FORMULA [NAME=VALUE ...]");

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Compiles FORMULA, sets each NAME to VALUE (a number or a formula such as\n"
                       "2*pi, stored as a 6-byte real), evaluates once and prints\n"
                       "  value=V code=C error=E\n"
                       "(C: evaluation code 0..4; E: 1 if FORMULA is malformed).\n"
                       "A FORMULA that begins with '-' goes after '--'."));
    parser.addPositionalArgument(QStringLiteral("FORMULA"), QStringLiteral("The formula."));
    parser.addPositionalArgument(QStringLiteral("NAME=VALUE"),
                                 QStringLiteral("A variable and its value."),
                                 QStringLiteral("[NAME=VALUE ...]"));
    // NAME=VALUE pairs after the formula are never options.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

} // namespace

int evalCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    if (!parser.parse(arguments)) {
        QString message = parser.errorText();
        if (!parser.unknownOptionNames().isEmpty())
            message += QStringLiteral(" (a FORMULA that begins with '-' goes after '--')");
        return badUsage(command, message, usage);
    }
    if (parser.isSet(help)) {
        printText(helpText(parser, usage));
        return exitDone;
    }
    const QStringList values = parser.positionalArguments();
    if (values.isEmpty()) return badUsage(command, QStringLiteral("missing FORMULA"), usage);

    Formula formula;
    const bool error = !formula.compile(values.first().toStdString()).wellFormed();
    for (const QString& value : values.mid(1)) {
        const std::string arg = value.toStdString();
        const auto eq = arg.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == arg.size())
            return badUsage(command, QStringLiteral("expected NAME=VALUE, got '%1'").arg(value),
                            usage);
        const std::string text = arg.substr(eq + 1);
        const QString valueText = QString::fromStdString(text);
        FormulaField valueField(text);
        if (!valueField.compileAndMark().wellFormed())
            return badUsage(
                command, QStringLiteral("'%1' is not a well-formed value").arg(valueText), usage);
        if (spellsNonFinite(text))
            return badUsage(
                command,
                QStringLiteral("'%1' is NaN or infinity, which no variable holds").arg(valueText),
                usage);
        Real48 stored;
        if (!Real48::tryFromExtended(valueField.evaluate(), stored))
            return badUsage(
                command, QStringLiteral("'%1' is beyond the 6-byte range").arg(valueText), usage);
        formula.setVariable(arg.substr(0, eq), stored);
    }
    EvaluationCode code;
    const long double value = formula.evaluate(code);
    std::printf("value=%.17g code=%d error=%d\n", double(value), int(code), error ? 1 : 0);
    return exitDone;
}

} // namespace gyrelune::cli
