// Documents fitted as Centre fits them, and pictures drawn by the render core.
#include "cli/searchOutput.h"

#include "core/searchResultPicture.h"
#include "render/pictureFile.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace gyrelune::cli {
namespace {

constexpr int sheetColumns = 5;
constexpr int labelHeight = 20;

QImage writeResult(const OutputSettings& settings, const SearchResult& result,
                   const std::string& stem) {
    ResultPictureSize size;
    size.width = settings.width;
    size.height = settings.height;
    size.fitSteps = settings.fitSteps;
    const ResultPicture picture = drawSearchResult(settings.setup, result, size);
    writeAtrDocument(stem + ".atr", picture.document);
    JpegEncoder encoder;
    if (const std::string reason = writePictureFile(picture.thumbnail, stem + ".png", true, encoder,
                                                    MessageLanguage::english);
        !reason.empty())
        throw std::runtime_error(stem + ".png: " + reason);
    return imageView(picture.thumbnail).copy();
}

// Quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

} // namespace

std::string resultName(std::size_t number, const char* ending) {
    char name[64];
    std::snprintf(name, sizeof name, "attractor-%03zu%s", number, ending);
    return name;
}

std::vector<QImage> writeResults(const OutputSettings& settings,
                                 const std::vector<SearchResult>& results,
                                 const std::string& directory) {
    std::vector<QImage> thumbnails(results.size());
    std::atomic<std::size_t> next{0};
    std::mutex failureMutex;
    std::exception_ptr failure;
    const auto work = [&] {
        for (std::size_t i; (i = next++) < results.size();) {
            try {
                thumbnails[i] =
                    writeResult(settings, results[i], directory + "/" + resultName(i + 1, ""));
            } catch (...) {
                std::lock_guard lock(failureMutex);
                failure = std::current_exception();
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < std::max(settings.jobs, 1u); ++i)
        threads.emplace_back(work);
    for (std::thread& thread : threads)
        thread.join();
    if (failure) std::rethrow_exception(failure);
    return thumbnails;
}

QImage contactSheet(const std::vector<QImage>& thumbnails,
                    const std::vector<SearchResult>& results) {
    int cellWidth = 1, cellHeight = 1;
    for (const QImage& thumbnail : thumbnails) {
        cellWidth = std::max(cellWidth, thumbnail.width());
        cellHeight = std::max(cellHeight, thumbnail.height());
    }
    const int count = int(thumbnails.size());
    const int columns = std::clamp(count, 1, sheetColumns);
    const int rows = std::max(1, (count + columns - 1) / columns);
    constexpr int gap = 4;
    QImage sheet(columns * (cellWidth + gap) + gap, rows * (cellHeight + labelHeight + gap) + gap,
                 QImage::Format_RGB888);
    sheet.fill(QColor(48, 48, 48));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const int left = gap + (i % columns) * (cellWidth + gap);
        const int top = gap + (i / columns) * (cellHeight + labelHeight + gap);
        painter.drawImage(left, top, thumbnails[std::size_t(i)]);
        const QString label = QStringLiteral("%1   λ = %2")
                                  .arg(i + 1, 3, 10, QLatin1Char('0'))
                                  .arg(results[std::size_t(i)].exponents[0], 0, 'f', 3);
        painter.drawText(QRect(left, top + cellHeight, cellWidth, labelHeight), Qt::AlignCenter,
                         label);
    }
    return sheet;
}

std::string summaryCsv(const OutputSettings& settings, const std::vector<SearchResult>& results) {
    std::string csv = "file,exponent,exponent2,exponent3,kaplan_yorke,correlation_dimension,fill";
    for (const SearchParameter& parameter : settings.setup.parameters)
        csv.append(",").append(csvField(parameter.name));
    csv += ",candidate\n";
    for (std::size_t i = 0; i < results.size(); ++i) {
        const SearchResult& r = results[i];
        char numbers[160];
        std::snprintf(numbers, sizeof numbers, ",%.4f,%.4f,%.4f,%.4f,%.4f,%.4f", r.exponents[0],
                      r.exponents[1], r.exponents[2], r.kaplanYorke, r.correlationDimension,
                      r.fill);
        csv += resultName(i + 1, ".atr") + numbers;
        for (const std::string& value : results[i].valueTexts)
            csv.append(",").append(value);
        csv.append(",").append(std::to_string(results[i].candidate)).append("\n");
    }
    return csv;
}

// ---- The output folder.

// A new hidden directory beside target; the finished results are renamed to target.
std::string prepareOutput(const std::string& target, std::string& temporary) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path path = fs::absolute(fs::path(target).lexically_normal(), error);
    if (fs::exists(path, error) && (!fs::is_directory(path, error) || !fs::is_empty(path, error)))
        return "'" + target + "' already exists and is not an empty directory";
    std::string hidden = path.filename().string();
    hidden.insert(0, 1, '.');
    hidden += "-XXXXXX";
    std::string pattern = (path.parent_path() / hidden).string();
    if (!::mkdtemp(pattern.data()))
        return "cannot write into '" + path.parent_path().string() + "': " + std::strerror(errno);
    temporary = pattern;
    // mkdtemp makes it private; the results get the mode any new folder gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::chmod(temporary.c_str(), 0777 & ~mask) != 0)
        return "cannot write into '" + temporary + "': " + std::strerror(errno);
    return {};
}

namespace {

std::string finishOutput(const std::string& temporary, const std::string& target) {
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) std::filesystem::remove(target, error);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return "cannot write '" + target + "': " + std::strerror(errno);
    return {};
}

bool writeText(const std::string& fileName, const std::string& text) {
    std::ofstream out(fileName, std::ios::binary);
    out << text;
    out.close();
    return bool(out);
}

// Everything goes into the temporary directory, which is renamed at the end.
std::string writeOutput(const OutputSettings& output, const SearchOutcome& outcome,
                        const std::string& temporary) {
    try {
        const std::vector<QImage> thumbnails = writeResults(output, outcome.results, temporary);
        if (!contactSheet(thumbnails, outcome.results)
                 .save(QString::fromStdString(temporary + "/contact-sheet.png")))
            return "cannot write the contact sheet";
        if (!writeText(temporary + "/summary.csv", summaryCsv(output, outcome.results)))
            return "cannot write the summary";
    } catch (const std::exception& failure) {
        return failure.what();
    }
    return {};
}

} // namespace

std::string writeAndFinish(const OutputSettings& output, const SearchOutcome& outcome,
                           const std::string& temporary, const std::string& target) {
    // The contact sheet's labels need fonts, which need the application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    char appName[] = "gyrelune-cli";
    char* appArgv[] = {appName, nullptr};
    // Its start-up notes (such as a missing runtime directory) do not concern a command-line run.
    const QtMessageHandler previousHandler =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication application(appArgc, appArgv);
    qInstallMessageHandler(previousHandler);
    std::string error = writeOutput(output, outcome, temporary);
    if (error.empty()) error = finishOutput(temporary, target);
    return error;
}

} // namespace gyrelune::cli
