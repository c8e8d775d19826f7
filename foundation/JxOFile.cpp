#include "JxOFile.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <QTime>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("JxOFile", text);
}

// A project larger than this is not a project: refuse it before parsing.
constexpr qint64 kMaxProjectBytes = 64LL * 1024 * 1024;
constexpr int kMaxPosition = 100000;
constexpr qint64 kDayMicroseconds = 24LL * 3600 * 1000 * 1000;

// XML 1.0 cannot hold most control characters, and a carriage return would
// come back as a line feed: they are written as their control pictures
// (U+2400 + code) and turned back when read.
QString EncodeText(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const ushort u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n')
            c = QChar(ushort(0x2400 + u));
    }
    return out;
}

QString DecodeText(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const ushort u = c.unicode();
        if (u >= 0x2400 && u < 0x2420 && u != 0x2409 && u != 0x240A)
            c = QChar(ushort(u - 0x2400));
    }
    return out;
}

QString ColourText(const QColor& c)
{
    return QStringLiteral("%1%2%3%4")
        .arg(c.alpha(), 2, 16, QLatin1Char('0'))
        .arg(c.red(), 2, 16, QLatin1Char('0'))
        .arg(c.green(), 2, 16, QLatin1Char('0'))
        .arg(c.blue(), 2, 16, QLatin1Char('0'));
}

// AARRGGBB; anything else is the field's default.
QColor ColourFromText(const QString& text, const QColor& fallback)
{
    const QString trimmed = text.trimmed();
    bool ok = trimmed.size() >= 1 && trimmed.size() <= 8;
    for (QChar c : trimmed)
        ok = ok && ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
                    || (c >= QLatin1Char('A') && c <= QLatin1Char('F')));
    const uint value = ok ? trimmed.toUInt(&ok, 16) : 0;
    if (!ok)
        return fallback;
    return QColor::fromRgba(value);
}

// Times as clock times of one day; invalid ones and those outside the day are 0.
QString TimeText(qint64 microseconds)
{
    if (microseconds < 0 || microseconds >= kDayMicroseconds)
        microseconds = 0;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(microseconds / 1000)).toString(QStringLiteral("HH:mm:ss:zzz"));
}

qint64 TimeFromText(const QString& text)
{
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("HH:mm:ss:zzz"));
    return time.isValid() ? qint64(time.msecsSinceStartOfDay()) * 1000 : 0;
}

// Reads the numbers of one element, remembering the first damaged one.
class Reader
{
public:
    Reader(int layer)
        : m_layer(layer)
    {
    }

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // A whole number of 32 bits, clamped into [low, high].
    int Clamped(const QString& name, const QString& text, int low, int high)
    {
        return std::clamp(Whole(name, text), low, high);
    }

    // A code that must lie in [low, high].
    int Code(const QString& name, const QString& text, int low, int high)
    {
        const int v = Whole(name, text);
        if (v < low || v > high)
            Fail(name, text);
        return ok() ? v : low;
    }

    int Whole(const QString& name, const QString& text)
    {
        bool parsed = false;
        const int v = text.trimmed().toInt(&parsed, 10);
        if (!parsed) {
            Fail(name, text);
            return 0;
        }
        return v;
    }

    float Angle(const QString& name, const QString& text)
    {
        bool parsed = false;
        const float v = text.trimmed().toFloat(&parsed);
        if (!parsed || !std::isfinite(v) || std::fabs(v) > 1.0e6f) {
            Fail(name, text);
            return 0.0f;
        }
        return v;
    }

private:
    void Fail(const QString& name, const QString& text)
    {
        if (!ok())
            return;
        QString shown = text.left(40);
        if (text.size() > 40)
            shown += QStringLiteral("...");
        m_error = Tr("Layer %1: \"%2\" is not a valid value for %3.")
                      .arg(QString::number(m_layer), EncodeText(shown), name);
    }

    int m_layer;
    QString m_error;
};

void AddText(QDomDocument* document, QDomElement* parent, const QString& name, const QString& text)
{
    QDomElement element = document->createElement(name);
    element.appendChild(document->createTextNode(text));
    parent->appendChild(element);
}

// Names and texts: control characters as pictures, and a text of only white
// space as a CDATA section, which the reader keeps (it drops white-space-only
// text nodes).
void AddUserText(QDomDocument* document, QDomElement* parent, const QString& name, const QString& text)
{
    const QString encoded = EncodeText(text);
    if (encoded.isEmpty() || !encoded.trimmed().isEmpty()) {
        AddText(document, parent, name, encoded);
        return;
    }
    QDomElement element = document->createElement(name);
    element.appendChild(document->createCDATASection(encoded));
    parent->appendChild(element);
}

void AddNumber(QDomDocument* document, QDomElement* parent, const QString& name, long long value)
{
    AddText(document, parent, name, QString::number(value));
}

int FlagText(bool on)
{
    return on ? 1 : 0;
}

} // namespace

void JxOFile::WordArtToXML(QDomDocument* document, QDomElement* wordArt, const CWordArtInfo* record)
{
    if (!document || !wordArt || !record)
        return;
    const CWordArtInfo& r = *record;
    AddUserText(document, wordArt, QStringLiteral("Text"), r.Text);
    AddUserText(document, wordArt, QStringLiteral("FontName"), r.Font.family());
    AddNumber(document, wordArt, QStringLiteral("FontSize"), r.Font.pixelSize());
    AddNumber(document, wordArt, QStringLiteral("FontBold"), FlagText(r.Font.weight() > QFont::Medium));
    AddNumber(document, wordArt, QStringLiteral("FontItalic"), FlagText(r.Font.style() != QFont::StyleNormal));
    AddNumber(document, wordArt, QStringLiteral("FontUnderline"), FlagText(r.Font.underline()));
    AddNumber(document, wordArt, QStringLiteral("TextEffect"), r.TextEffect);
    AddText(document, wordArt, QStringLiteral("ColorText1"), ColourText(r.TextColor1));
    AddNumber(document, wordArt, QStringLiteral("TextGradient"), FlagText(r.TextGradient));
    AddText(document, wordArt, QStringLiteral("ColorText2"), ColourText(r.TextColor2));
    AddText(document, wordArt, QStringLiteral("ColorOutline1"), ColourText(r.OutlineColor1));
    AddNumber(document, wordArt, QStringLiteral("OutlineThickness1"), r.OutlineThickness1);
    AddNumber(document, wordArt, QStringLiteral("OutlineAlpha1"), r.OutlineAlpha1);
    AddText(document, wordArt, QStringLiteral("ColorOutline2"), ColourText(r.OutlineColor2));
    AddNumber(document, wordArt, QStringLiteral("OutlineThickness2"), r.OutlineThickness2);
    AddNumber(document, wordArt, QStringLiteral("OutlineAlpha2"), r.OutlineAlpha2);
    AddNumber(document, wordArt, QStringLiteral("EnableShadow"), FlagText(r.EnableShadow));
    AddText(document, wordArt, QStringLiteral("ColorShadow"), ColourText(r.ShadowColor));
    AddNumber(document, wordArt, QStringLiteral("ShadowX"), r.ShadowOffsetX);
    AddNumber(document, wordArt, QStringLiteral("ShadowY"), r.ShadowOffsetY);
    AddNumber(document, wordArt, QStringLiteral("ShadowThickness"), r.ShadowThickness);
    AddNumber(document, wordArt, QStringLiteral("ShadowAlpha"), r.ShadowAlpha);
    AddNumber(document, wordArt, QStringLiteral("EnableBackground"), FlagText(r.EnableBackground));
    AddText(document, wordArt, QStringLiteral("ColorBackground"), ColourText(r.ColorBackground));
    AddNumber(document, wordArt, QStringLiteral("BackgroundRound"), r.BackgroundRound);
    AddNumber(document, wordArt, QStringLiteral("BackgroundThickness"), r.BackgroundThickness);
    AddNumber(document, wordArt, QStringLiteral("BackgroundAlpha"), r.BackgroundAlpha);
}

namespace {

bool ReadWordArt(const QDomElement& wordArt, int layerNumber, CWordArtInfo* record, QString* errorText)
{
    const CWordArtInfo defaults;
    const int maxLength = CWordArtInfo::kMaxEffectLength;
    Reader read(layerNumber);
    CWordArtInfo& r = *record;
    for (QDomNode child = wordArt.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        const QString text = child.toElement().text();
        if (name == QLatin1String("Text")) {
            r.Text = DecodeText(text);
        } else if (name == QLatin1String("FontName")) {
            r.Font.setFamily(DecodeText(text));
        } else if (name == QLatin1String("FontSize")) {
            // Not above the renderer's cap; 0 or less (a size in points) keeps the font's size.
            const int size = read.Clamped(name, text, -1, CWordArtInfo::kMaxFontPixelSize);
            if (size > 0)
                r.Font.setPixelSize(size);
        } else if (name == QLatin1String("FontBold")) {
            r.Font.setWeight(read.Whole(name, text) != 0 ? QFont::Bold : QFont::Normal);
        } else if (name == QLatin1String("FontItalic")) {
            r.Font.setStyle(read.Whole(name, text) != 0 ? QFont::StyleItalic : QFont::StyleNormal);
        } else if (name == QLatin1String("FontUnderline")) {
            r.Font.setUnderline(read.Whole(name, text) != 0);
        } else if (name == QLatin1String("TextEffect")) {
            r.TextEffect = static_cast<::TextEffect>(read.Code(name, text, TE_GLOW, TE_DBL_GLOW));
        } else if (name == QLatin1String("ColorText1")) {
            r.TextColor1 = ColourFromText(text, defaults.TextColor1);
        } else if (name == QLatin1String("TextGradient")) {
            r.TextGradient = read.Whole(name, text) != 0;
        } else if (name == QLatin1String("ColorText2")) {
            r.TextColor2 = ColourFromText(text, defaults.TextColor2);
        } else if (name == QLatin1String("ColorOutline1")) {
            r.OutlineColor1 = ColourFromText(text, defaults.OutlineColor1);
        } else if (name == QLatin1String("OutlineThickness1")) {
            r.OutlineThickness1 = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("OutlineAlpha1")) {
            r.OutlineAlpha1 = static_cast<unsigned char>(read.Clamped(name, text, 0, 255));
        } else if (name == QLatin1String("ColorOutline2")) {
            r.OutlineColor2 = ColourFromText(text, defaults.OutlineColor2);
        } else if (name == QLatin1String("OutlineThickness2")) {
            r.OutlineThickness2 = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("OutlineAlpha2")) {
            r.OutlineAlpha2 = static_cast<unsigned char>(read.Clamped(name, text, 0, 255));
        } else if (name == QLatin1String("EnableShadow")) {
            r.EnableShadow = read.Whole(name, text) != 0;
        } else if (name == QLatin1String("ColorShadow")) {
            r.ShadowColor = ColourFromText(text, defaults.ShadowColor);
        } else if (name == QLatin1String("ShadowX")) {
            r.ShadowOffsetX = read.Clamped(name, text, -maxLength, maxLength);
        } else if (name == QLatin1String("ShadowY")) {
            r.ShadowOffsetY = read.Clamped(name, text, -maxLength, maxLength);
        } else if (name == QLatin1String("ShadowThickness")) {
            r.ShadowThickness = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("ShadowAlpha")) {
            r.ShadowAlpha = read.Clamped(name, text, 0, 255);
        } else if (name == QLatin1String("EnableBackground")) {
            r.EnableBackground = read.Whole(name, text) != 0;
        } else if (name == QLatin1String("ColorBackground")) {
            r.ColorBackground = ColourFromText(text, defaults.ColorBackground);
        } else if (name == QLatin1String("BackgroundRound")) {
            r.BackgroundRound = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("BackgroundThickness")) {
            r.BackgroundThickness = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("BackgroundAlpha")) {
            r.BackgroundAlpha = read.Clamped(name, text, 0, 255);
        }
        if (!read.ok())
            break;
    }
    if (!read.ok() && errorText)
        *errorText = read.error();
    return read.ok();
}

} // namespace

bool JxOFile::WordArtFromXML(QDomNode*, QDomElement* wordArt, CLayerInfo* layer, QString* errorText)
{
    if (!wordArt || !layer)
        return false;
    // Read into a copy, so a damaged element leaves the layer as it was.
    CWordArtInfo record = layer->WordArt;
    if (!ReadWordArt(*wordArt, 1, &record, errorText))
        return false;
    layer->WordArt = record;
    return true;
}

namespace {

bool ReadLayer(const QDomElement& element, int number, CLayerInfo* layer, QString* errorText)
{
    Reader read(number);
    CLayerInfo& l = *layer;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        const QString text = child.toElement().text();
        if (name == QLatin1String("Type")) {
            l.Type = read.Code(name, text, 0, 3);
        } else if (name == QLatin1String("FileName")) {
            l.FileName = DecodeText(text);
        } else if (name == QLatin1String("x")) {
            l.x = read.Clamped(name, text, -kMaxPosition, kMaxPosition);
        } else if (name == QLatin1String("y")) {
            l.y = read.Clamped(name, text, -kMaxPosition, kMaxPosition);
        } else if (name == QLatin1String("Width")) {
            l.Width = read.Clamped(name, text, 0, kMaxPosition);
        } else if (name == QLatin1String("Height")) {
            l.Height = read.Clamped(name, text, 0, kMaxPosition);
        } else if (name == QLatin1String("Keep")) {
            l.Keep = read.Whole(name, text) != 0;
        } else if (name == QLatin1String("Angle")) {
            l.Angle = read.Angle(name, text);
        } else if (name == QLatin1String("Transparent")) {
            l.Transparent = read.Clamped(name, text, 0, 100);
        } else if (name == QLatin1String("Animation")) {
            l.Animation = read.Code(name, text, 0, 4);
        } else if (name == QLatin1String("Speed")) {
            l.Speed = read.Clamped(name, text, 0, kMaxPosition);
        } else if (name == QLatin1String("Direction")) {
            l.Direction = read.Whole(name, text);
        } else if (name == QLatin1String("Loop")) {
            l.Loop = read.Clamped(name, text, 0, kMaxPosition);
        } else if (name == QLatin1String("StartTime")) {
            l.StartTime = TimeFromText(text);
        } else if (name == QLatin1String("EndTime")) {
            l.EndTime = TimeFromText(text);
        } else if (name == QLatin1String("Fade")) {
            l.Fade = read.Code(name, text, 0, 3);
        } else if (name == QLatin1String("WordArt")) {
            QString wordArtError;
            if (!ReadWordArt(child.toElement(), number, &l.WordArt, &wordArtError)) {
                if (errorText)
                    *errorText = wordArtError;
                return false;
            }
        }
        if (!read.ok())
            break;
    }
    if (!read.ok() && errorText)
        *errorText = read.error();
    return read.ok();
}

// A layer's file is data from the project: it must name an existing regular file.
QString RefusedFile(const CLayerInfo& layer, int number)
{
    if (layer.Type == 3)
        return QString();
    const QFileInfo info(layer.FileName);
    if (layer.FileName.isEmpty() || !info.exists())
        return Tr("Layer %1: the file \"%2\" does not exist.").arg(QString::number(number), EncodeText(layer.FileName));
    if (!info.isFile())
        return Tr("Layer %1: \"%2\" is not a regular file.").arg(QString::number(number), EncodeText(layer.FileName));
    return QString();
}

} // namespace

bool JxOFile::Open(QString* errorText)
{
    auto fail = [errorText](const QString& why) {
        if (errorText)
            *errorText = why;
        return false;
    };
    if (errorText)
        errorText->clear();
    // A device or pipe chosen by mistake could be read without end.
    if (QFileInfo(ProjectPath).exists() && !QFileInfo(ProjectPath).isFile())
        return fail(Tr("\"%1\" is not a regular file.").arg(ProjectPath));
    QFile file(ProjectPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(Tr("Cannot open the project \"%1\": %2").arg(ProjectPath, file.errorString()));
    const QByteArray data = file.read(kMaxProjectBytes + 1);
    file.close();
    if (data.size() > kMaxProjectBytes)
        return fail(Tr("The project \"%1\" is too large.").arg(ProjectPath));
    QDomDocument document;
    QString parseError;
    int line = 0;
    int column = 0;
    if (!document.setContent(data, &parseError, &line, &column))
        return fail(Tr("The project \"%1\" is damaged (line %2, column %3): %4")
                        .arg(ProjectPath, QString::number(line), QString::number(column), parseError));

    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("Layers"))
        return fail(Tr("\"%1\" is not a project file.").arg(ProjectPath));

    // Parse everything into a new list; the caller's layers change only on success.
    QList<CLayerInfo> layers;
    QStringList refused;
    QDomNode node = root.firstChild();
    if (node.nodeName() == QLatin1String("Layer")) {
        int number = 0;
        for (; !node.isNull(); node = node.nextSibling()) {
            if (!node.isElement())
                continue;
            ++number;
            CLayerInfo layer;
            QString why;
            if (!ReadLayer(node.toElement(), number, &layer, &why))
                return fail(Tr("The project \"%1\" is damaged. %2").arg(ProjectPath, why));
            const QString refusal = RefusedFile(layer, number);
            if (refusal.isEmpty())
                layers.append(layer);
            else
                refused.append(refusal);
        }
    }
    LayerList.append(layers);
    if (errorText)
        *errorText = refused.join(QLatin1Char('\n'));
    return true;
}

bool JxOFile::Save(QString* errorText)
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(QStringLiteral("xml"),
                                                              QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement root = document.createElement(QStringLiteral("Layers"));
    document.appendChild(root);
    for (const CLayerInfo& l : qAsConst(LayerList)) {
        QDomElement layer = document.createElement(QStringLiteral("Layer"));
        root.appendChild(layer);
        AddNumber(&document, &layer, QStringLiteral("Type"), l.Type);
        AddUserText(&document, &layer, QStringLiteral("FileName"), l.FileName);
        AddNumber(&document, &layer, QStringLiteral("x"), l.x);
        AddNumber(&document, &layer, QStringLiteral("y"), l.y);
        AddNumber(&document, &layer, QStringLiteral("Width"), l.Width);
        AddNumber(&document, &layer, QStringLiteral("Height"), l.Height);
        AddNumber(&document, &layer, QStringLiteral("Keep"), FlagText(l.Keep));
        AddText(&document, &layer, QStringLiteral("Angle"), QString::number(double(l.Angle), 'f', 4));
        AddNumber(&document, &layer, QStringLiteral("Transparent"), l.Transparent);
        AddNumber(&document, &layer, QStringLiteral("Animation"), l.Animation);
        AddNumber(&document, &layer, QStringLiteral("Speed"), l.Speed);
        AddNumber(&document, &layer, QStringLiteral("Direction"), l.Direction);
        AddNumber(&document, &layer, QStringLiteral("Loop"), l.Loop);
        AddText(&document, &layer, QStringLiteral("StartTime"), TimeText(l.StartTime));
        AddText(&document, &layer, QStringLiteral("EndTime"), TimeText(l.EndTime));
        // Not in the first form of the format; readers that do not know it skip it.
        AddNumber(&document, &layer, QStringLiteral("Fade"), l.Fade);
        if (l.Type == 3) {
            QDomElement wordArt = document.createElement(QStringLiteral("WordArt"));
            layer.appendChild(wordArt);
            WordArtToXML(&document, &wordArt, &l.WordArt);
        }
    }

    QSaveFile file(ProjectPath);
    auto fail = [errorText, &file](const QString& why) {
        file.cancelWriting();
        if (errorText)
            *errorText = why;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return fail(Tr("Cannot write the project \"%1\": %2").arg(ProjectPath, file.errorString()));
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    document.save(stream, 4, QDomNode::EncodingFromTextStream);
    stream.flush();
    if (stream.status() != QTextStream::Ok)
        return fail(Tr("Cannot write the project \"%1\": %2").arg(ProjectPath, file.errorString()));
    if (!file.commit()) {
        if (errorText)
            *errorText = Tr("Cannot write the project \"%1\": %2").arg(ProjectPath, file.errorString());
        return false;
    }
    if (errorText)
        errorText->clear();
    return true;
}

void JxOFile::AppendLayer(const CLayerInfo& layer, const QPointF& pos, const QPointF& origin, qreal rotation,
                          qreal z)
{
    // The same placement about the top-left corner: pos + origin - R(origin).
    const QPointF rotatedOrigin = QTransform().rotate(rotation).map(origin);
    const QPointF topLeftPos = pos + origin - rotatedOrigin;
    CLayerInfo record(layer);
    record.x = static_cast<int>(std::clamp(std::trunc(topLeftPos.x()), double(-kMaxPosition), double(kMaxPosition)));
    record.y = static_cast<int>(std::clamp(std::trunc(topLeftPos.y()), double(-kMaxPosition), double(kMaxPosition)));
    record.Angle = static_cast<float>(rotation);

    // Layers appended to the list directly keep their place, above what was added before them.
    if (m_z.size() > LayerList.size())
        m_z.erase(m_z.begin() + LayerList.size(), m_z.end());
    while (m_z.size() < LayerList.size())
        m_z.append(m_z.isEmpty() ? -std::numeric_limits<qreal>::infinity() : m_z.last());
    int at = LayerList.size();
    while (at > 0 && m_z.at(at - 1) > z)
        --at;
    LayerList.insert(at, record);
    m_z.insert(at, z);
}
