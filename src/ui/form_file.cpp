#include "ui/form_file.h"

#include "form/form_state_json.h"
#include "form/form_state_writer.h"
#include "form/text_input.h"
#include "query/query_driver.h"
#include "ui/message_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace bazi::ui {
namespace {

// The translation context of the texts below.
class FormFile {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::FormFile)
};

QString isoDate(CivilDate d) {
    return QStringLiteral("%1-%2-%3")
        .arg(d.year, 4, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.day, 2, 10, QLatin1Char('0'));
}

[[noreturn]] void refuse(const QString& path, const QString& problem) {
    throw FormFileError(FormFile::tr("无法打开条件文件“%1”：%2")
                            .arg(fitForMessage(QDir::toNativeSeparators(path)), problem));
}

} // namespace

FormState readFormFile(const QString& path, CivilDate dateIfMissing) {
    const QFileInfo info(path);
    if (!info.exists())
        refuse(path, FormFile::tr("文件不存在"));
    if (!info.isFile())
        refuse(path, FormFile::tr("不是普通文件"));
    if (info.size() > kMaxFormFileSize)
        refuse(path, FormFile::tr("文件太大（%1 字节；条件文件不超过 %2 字节）")
                         .arg(info.size())
                         .arg(kMaxFormFileSize));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, file.errorString());
    // Read one byte past the limit: a file that grew meanwhile is still refused.
    const QByteArray bytes = file.read(kMaxFormFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        refuse(path, file.errorString());
    const std::string text = bytes.toStdString();
    // The command line's checks on what was read (size, NUL bytes, UTF-8), so
    // that both take and refuse exactly the same files.
    try {
        checkTextInput(text, kMaxFormStateBytes, "the file");
    } catch (const TextInputError& e) {
        switch (e.problem()) {
        case TextInputProblem::tooLarge:
            refuse(path, FormFile::tr("文件太大（条件文件不超过 %1 字节）").arg(kMaxFormFileSize));
        case TextInputProblem::nulByte:
            refuse(path, FormFile::tr("不是有效的条件文件：含有空字符（NUL）"));
        default:
            refuse(path, FormFile::tr("不是有效的条件文件：%1")
                             .arg(fitForMessage(QString::fromUtf8(e.what()))));
        }
    }

    FormState form;
    try {
        // Its parser too: nesting, every error of the JSON library reported as ours.
        form = formStateFromJson(text, false);
    } catch (const std::exception& e) {
        refuse(
            path,
            FormFile::tr("不是有效的条件文件：%1").arg(fitForMessage(QString::fromUtf8(e.what()))));
    }
    if (form.date == CivilDate{})
        form.date = dateIfMissing;
    if (!isQueryDateInRange(form.date))
        refuse(path,
               FormFile::tr("日期 %1 不在可查询的范围内（%2 至 %3）")
                   .arg(isoDate(form.date), isoDate(kFirstQueryDate), isoDate(kLastQueryDate)));
    return form;
}

void writeFormFile(const QString& path, const FormState& form) {
    const std::string text = formStateToJson(form);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit())
        throw FormFileError(
            FormFile::tr("无法保存条件文件“%1”：%2")
                .arg(fitForMessage(QDir::toNativeSeparators(path)), file.errorString()));
}

} // namespace bazi::ui
