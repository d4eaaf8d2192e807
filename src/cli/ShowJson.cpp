#include "ShowJson.h"

#include "document/SourceFile.h"
#include "document/WorkspaceFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString kBgm = QStringLiteral("bgm");
const QString kBackColor = QStringLiteral("backColor");
const QString kCanvasWidth = QStringLiteral("canvasWidth");
const QString kCanvasHeight = QStringLiteral("canvasHeight");
const QString kSlides = QStringLiteral("slides");
const QString kImage = QStringLiteral("image");
const QString kDisplayTime = QStringLiteral("displayTime");
const QString kPosX = QStringLiteral("posX");
const QString kPosY = QStringLiteral("posY");
const QString kEffect = QStringLiteral("effect");
const QString kSpeed = QStringLiteral("speed");
const QString kSound = QStringLiteral("sound");
const QString kKeepPrevious = QStringLiteral("keepPrevious");
const QString kTransparent = QStringLiteral("transparent");
const QString kJsonSuffix = QStringLiteral(".json");

using Result = Expected<EditableShow>;

// Reads the object's fields, remembering the first one that is of the wrong kind.
class FieldReader {
public:
    FieldReader(const QJsonObject& object, QString where)
        : object_(object), where_(std::move(where))
    {}

    template <typename T>
    T integer(const QString& key, T fallback)
    {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined()) {
            return fallback;
        }
        const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        // The range is checked first: converting an out-of-range double is undefined.
        if (!value.isDouble() || !(number >= double(std::numeric_limits<T>::min())) ||
            !(number <= double(std::numeric_limits<T>::max())) || number != std::trunc(number)) {
            fail(key, QStringLiteral("整数"));
            return fallback;
        }
        return T(number);
    }

    QString text(const QString& key, bool required)
    {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined() && !required) {
            return QString();
        }
        if (!value.isString()) {
            fail(key, QStringLiteral("文字列"));
            return QString();
        }
        // JSON escapes can name half of a surrogate pair, which no file name can hold.
        const QString text = value.toString();
        if (!text.isValidUtf16()) {
            fail(key, QStringLiteral("正しい文字だけの文字列"));
            return QString();
        }
        return text;
    }

    const std::optional<QString>& error() const { return error_; }

private:
    void fail(const QString& key, const QString& kind)
    {
        if (!error_) {
            error_ = where_ + QStringLiteral("の\"") + key + QStringLiteral("\"は") + kind +
                     QStringLiteral("でなければなりません");
        }
    }

    const QJsonObject& object_;
    QString where_;
    std::optional<QString> error_;
};

}  // namespace

QByteArray ShowJson::toJson(const EditableShow& show)
{
    QJsonArray slides;
    for (int i = 0; i < show.slideCount(); ++i) {
        const SlideItem item = show.document.Slides.value(i);
        slides.append(QJsonObject{
            {kImage, show.imagePaths[i]},
            {kDisplayTime, item.DisplayTime},
            {kPosX, item.PosX},
            {kPosY, item.PosY},
            {kEffect, item.EffectNumber},
            {kSpeed, item.SpeedIndex},
            {kSound, item.SoundPath},
            {kKeepPrevious, item.KeepPrevious},
            {kTransparent, item.Transparent},
        });
    }
    const QJsonObject root{
        {kBgm, show.bgmPath},
        {kBackColor, qint64(show.backColor)},
        {kCanvasWidth, show.canvasWidth},
        {kCanvasHeight, show.canvasHeight},
        {kSlides, slides},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Expected<EditableShow> ShowJson::fromJson(QByteArrayView json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return Result::failure(QStringLiteral("JSONを読めません: ") + parseError.errorString() +
                               QStringLiteral(" (位置 %1)").arg(parseError.offset));
    }
    if (!document.isObject()) {
        return Result::failure(QStringLiteral("JSONの最上位はオブジェクトでなければなりません"));
    }
    const QJsonObject root = document.object();
    FieldReader fields(root, QStringLiteral("ショー"));
    EditableShow show;
    show.bgmPath = fields.text(kBgm, false);
    show.backColor = fields.integer<quint32>(kBackColor, 0);
    show.canvasWidth = fields.integer<qint32>(kCanvasWidth, 0);
    show.canvasHeight = fields.integer<qint32>(kCanvasHeight, 0);
    if (fields.error()) {
        return Result::failure(*fields.error());
    }
    if (!ShowDocument::isCanvasSide(show.canvasWidth) ||
        !ShowDocument::isCanvasSide(show.canvasHeight)) {
        return Result::failure(WorkspaceFile::kCannotOpenMessage + QStringLiteral(": ") +
                               WorkspaceFile::kCanvasOutOfRange);
    }
    const QJsonValue slides = root.value(kSlides);
    if (!slides.isArray()) {
        return Result::failure(QStringLiteral("\"slides\"は配列でなければなりません"));
    }
    const QJsonArray list = slides.toArray();
    if (list.size() > ShowDocument::kMaxSlides) {
        return Result::failure(QStringLiteral("スライドが多すぎます(32767枚まで)"));
    }
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = QStringLiteral("スライド%1").arg(i);
        if (!list[i].isObject()) {
            return Result::failure(where + QStringLiteral("はオブジェクトでなければなりません"));
        }
        const QJsonObject object = list[i].toObject();
        FieldReader slide(object, where);
        SlideItem item;
        const QString image = slide.text(kImage, true);
        item.DisplayTime = slide.integer<qint32>(kDisplayTime, SlideItem::kDefaultDisplayTime);
        item.PosX = slide.integer<qint32>(kPosX, 0);
        item.PosY = slide.integer<qint32>(kPosY, 0);
        item.EffectNumber = slide.integer<qint32>(kEffect, 0);
        item.SpeedIndex = slide.integer<qint32>(kSpeed, 0);
        item.SoundPath = slide.text(kSound, false);
        item.KeepPrevious = slide.integer<qint16>(kKeepPrevious, 0);
        item.Transparent = slide.integer<qint16>(kTransparent, 0);
        if (slide.error()) {
            return Result::failure(*slide.error());
        }
        show.imagePaths.append(image);
        show.document.Slides.append(item);
    }
    show.document.SlideCount = show.slideCount();
    show.document.CanvasWidth = show.canvasWidth;
    show.document.CanvasHeight = show.canvasHeight;
    show.document.BackColor = show.backColor;
    return show;
}

Expected<EditableShow> loadShow(const QString& path)
{
    if (!path.endsWith(kJsonSuffix, Qt::CaseInsensitive)) {
        const Expected<WorkspaceRecord> record = WorkspaceFile::load(path);
        if (!record.ok()) {
            return Result::failure(WorkspaceFile::kCannotOpenMessage + QStringLiteral(": ") +
                                   record.error());
        }
        return WorkspaceFile::toShow(record.value());
    }
    const Expected<QByteArray> json = SourceFile::read(path, ShowJson::kMaxBytes);
    if (!json) {
        return Result::failure(QStringLiteral("ファイル(") + path +
                               QStringLiteral(")を開けません: ") + json.error());
    }
    return ShowJson::fromJson(json.value());
}
