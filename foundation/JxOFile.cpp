#include "JxOFile.h"

#include "AtomicFile.h"
#include "FileFolders.h"
#include "XmlGuard.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QTime>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Ten thousand styled-text layers take a few megabytes: a file larger than
// this is no project and is refused before it is parsed.
constexpr qint64 kMaxProjectBytes = 16LL * 1024 * 1024;
constexpr int kMaxPosition = 100000;
constexpr qint64 kDayMicroseconds = 24LL * 3600 * 1000 * 1000;

// XML 1.0 cannot hold most control characters, and a carriage return would
// come back as a line feed: they are written as their control pictures
// (U+2400 + code). So that a picture the user typed reads back as itself, it
// is written behind a literal mark (U+2421), and marks the user typed right
// before a picture or a control character are written twice, as a backslash
// escapes itself. Text without either is written as it stands, and a picture
// with no mark before it reads as the control character, as in the files of
// earlier versions.
constexpr ushort kPictureBase = 0x2400;
constexpr QChar kLiteralMark(ushort(0x2421));

bool IsWrittenAsPicture(ushort u)
{
    return u < 0x20 && u != '\t' && u != '\n';
}

bool IsPictureOfControl(ushort u)
{
    return u >= kPictureBase && IsWrittenAsPicture(ushort(u - kPictureBase));
}

QString EncodeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    int marks = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (c == kLiteralMark) {
            ++marks;
            continue;
        }
        if (IsWrittenAsPicture(u)) {
            out += QString(2 * marks, kLiteralMark);
            out += QChar(ushort(kPictureBase + u));
        } else if (IsPictureOfControl(u)) {
            out += QString(2 * marks + 1, kLiteralMark);
            out += c;
        } else {
            out += QString(marks, kLiteralMark);
            out += c;
        }
        marks = 0;
    }
    out += QString(marks, kLiteralMark);
    return out;
}

QString DecodeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        int marks = 0;
        while (i + marks < size && text.at(i + marks) == kLiteralMark)
            ++marks;
        const QChar c = i + marks < size ? text.at(i + marks) : QChar();
        if (!IsPictureOfControl(c.unicode())) {
            out += QString(marks, kLiteralMark);
            if (i + marks < size)
                out += c;
        } else {
            out += QString(marks / 2, kLiteralMark);
            out += marks % 2 == 1 ? c : QChar(ushort(c.unicode() - kPictureBase));
        }
        i += marks;
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

// Times as clock times of one day; invalid ones and those outside the day are 0.
QString TimeText(qint64 microseconds)
{
    if (microseconds < 0 || microseconds >= kDayMicroseconds)
        microseconds = 0;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(microseconds / 1000)).toString(QStringLiteral("HH:mm:ss:zzz"));
}


// Reads the values of one layer as the format says: a number that does not
// parse is 0, a colour that does not parse is transparent black, a time that
// does not parse is 0. Numbers the program takes in any value (opacity,
// speed, loop, direction) are kept as read; others outside their range are
// kept where the program copes with them, and brought into range where a
// size or an effect could hang the renderer or the canvas. Every value that
// does not parse or lies outside its range is remembered by name, so the
// user can be told which layers were damaged.
class Reader
{
public:
    const QStringList& damaged() const { return m_damaged; }

    int Whole(const QString& name, const QString& text)
    {
        bool parsed = false;
        const int v = text.trimmed().toInt(&parsed, 10);
        if (!parsed)
            Damaged(name);
        return parsed ? v : 0;
    }

    // A number the renderer or the canvas can only take within [low, high].
    int Clamped(const QString& name, const QString& text, int low, int high)
    {
        const int v = Whole(name, text);
        if (v < low || v > high)
            Damaged(name);
        return std::clamp(v, low, high);
    }

    // A number meant to lie within [low, high], kept as read.
    int Noted(const QString& name, const QString& text, int low, int high)
    {
        const int v = Whole(name, text);
        if (v < low || v > high)
            Damaged(name);
        return v;
    }

    // A code with a meaning only within [low, high]; any other is the fallback.
    int Code(const QString& name, const QString& text, int low, int high, int fallback)
    {
        const int v = Whole(name, text);
        if (v >= low && v <= high)
            return v;
        Damaged(name);
        return fallback;
    }

    // An alpha of 0 to 255: the low 8 bits of the number.
    unsigned char Alpha(const QString& name, const QString& text)
    {
        const int v = Whole(name, text);
        if (v < 0 || v > 255)
            Damaged(name);
        return static_cast<unsigned char>(v & 0xff);
    }

    float Angle(const QString& name, const QString& text)
    {
        bool parsed = false;
        const float v = text.trimmed().toFloat(&parsed);
        if (!parsed || !std::isfinite(v) || std::fabs(v) > 1.0e6f) {
            Damaged(name);
            return 0.0f;
        }
        return v;
    }

    // A side of the frame a layer was placed on: positive and no larger than
    // a position; 0 (not known) otherwise.
    double Side(const QString& name, const QString& text)
    {
        bool parsed = false;
        const double v = text.trimmed().toDouble(&parsed);
        if (parsed && v > 0.0 && v <= kMaxPosition)
            return v;
        Damaged(name);
        return 0.0;
    }

    // Clock times of one day.
    qint64 Time(const QString& name, const QString& text)
    {
        const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("HH:mm:ss:zzz"));
        if (!time.isValid()) {
            Damaged(name);
            return 0;
        }
        return qint64(time.msecsSinceStartOfDay()) * 1000;
    }

    // AARRGGBB in hexadecimal.
    QColor Colour(const QString& name, const QString& text)
    {
        bool ok = false;
        const uint value = text.trimmed().toUInt(&ok, 16);
        if (!ok)
            Damaged(name);
        return QColor::fromRgba(ok ? value : 0u);
    }

private:
    void Damaged(const QString& name)
    {
        if (!m_damaged.contains(name))
            m_damaged.append(name);
    }

    QStringList m_damaged;
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

void ReadWordArt(const QDomElement& wordArt, CWordArtInfo* record, Reader* reader)
{
    const int maxLength = CWordArtInfo::kMaxEffectLength;
    Reader& read = *reader;
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
            r.TextEffect = static_cast<::TextEffect>(read.Code(name, text, TE_GLOW, TE_DBL_GLOW, CWordArtInfo().TextEffect));
        } else if (name == QLatin1String("ColorText1")) {
            r.TextColor1 = read.Colour(name, text);
        } else if (name == QLatin1String("TextGradient")) {
            r.TextGradient = read.Whole(name, text) != 0;
        } else if (name == QLatin1String("ColorText2")) {
            r.TextColor2 = read.Colour(name, text);
        } else if (name == QLatin1String("ColorOutline1")) {
            r.OutlineColor1 = read.Colour(name, text);
        } else if (name == QLatin1String("OutlineThickness1")) {
            r.OutlineThickness1 = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("OutlineAlpha1")) {
            r.OutlineAlpha1 = read.Alpha(name, text);
        } else if (name == QLatin1String("ColorOutline2")) {
            r.OutlineColor2 = read.Colour(name, text);
        } else if (name == QLatin1String("OutlineThickness2")) {
            r.OutlineThickness2 = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("OutlineAlpha2")) {
            r.OutlineAlpha2 = read.Alpha(name, text);
        } else if (name == QLatin1String("EnableShadow")) {
            r.EnableShadow = read.Whole(name, text) != 0;
        } else if (name == QLatin1String("ColorShadow")) {
            r.ShadowColor = read.Colour(name, text);
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
            r.ColorBackground = read.Colour(name, text);
        } else if (name == QLatin1String("BackgroundRound")) {
            r.BackgroundRound = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("BackgroundThickness")) {
            r.BackgroundThickness = read.Clamped(name, text, 0, maxLength);
        } else if (name == QLatin1String("BackgroundAlpha")) {
            r.BackgroundAlpha = read.Clamped(name, text, 0, 255);
        }
    }
}

} // namespace

bool JxOFile::WordArtFromXML(QDomNode*, QDomElement* wordArt, CLayerInfo* layer, QStringList* damaged)
{
    if (!wordArt || !layer)
        return false;
    Reader read;
    ReadWordArt(*wordArt, &layer->WordArt, &read);
    if (damaged)
        *damaged = read.damaged();
    return read.damaged().isEmpty();
}

namespace {

// The layer kinds a project holds: video, image, styled text (the source
// frame is never saved). A damaged kind reads as an image, the kind of a
// layer without one.
constexpr int kDefaultKind = 2;

QStringList ReadLayer(const QDomElement& element, CLayerInfo* layer)
{
    Reader read;
    CLayerInfo& l = *layer;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        const QString text = child.toElement().text();
        if (name == QLatin1String("Type")) {
            l.Type = read.Code(name, text, 1, 3, kDefaultKind);
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
            l.Transparent = read.Whole(name, text);
        } else if (name == QLatin1String("Animation")) {
            l.Animation = read.Noted(name, text, 0, 4);
        } else if (name == QLatin1String("Speed")) {
            l.Speed = read.Whole(name, text);
        } else if (name == QLatin1String("Direction")) {
            l.Direction = read.Whole(name, text);
        } else if (name == QLatin1String("Loop")) {
            l.Loop = read.Whole(name, text);
        } else if (name == QLatin1String("StartTime")) {
            l.StartTime = read.Time(name, text);
        } else if (name == QLatin1String("EndTime")) {
            l.EndTime = read.Time(name, text);
        } else if (name == QLatin1String("Fade")) {
            l.Fade = read.Noted(name, text, 0, 3);
        } else if (name == QLatin1String("FrameWidth")) {
            l.Placement.frame.setWidth(read.Side(name, text));
        } else if (name == QLatin1String("FrameHeight")) {
            l.Placement.frame.setHeight(read.Side(name, text));
        } else if (name == QLatin1String("WordArt")) {
            ReadWordArt(child.toElement(), &l.WordArt, &read);
        }
    }
    return read.damaged();
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
    const QString shown = ShownPath(ProjectPath);
    QDomDocument document;
    const XmlGuard::Outcome read = XmlGuard::Read(ProjectPath, kMaxProjectBytes, &document);
    switch (read.error) {
    case XmlGuard::NoError:
        break;
    case XmlGuard::NotAFile:
        return fail(tr("\"%1\" is not a regular file.").arg(shown));
    case XmlGuard::CannotOpen:
        return fail(tr("Cannot open the project \"%1\": %2").arg(shown, read.detail));
    case XmlGuard::TooLarge:
        return fail(tr("The project \"%1\" is too large.").arg(shown));
    case XmlGuard::Declarations:
        return fail(tr("The project \"%1\" is refused: it declares a document type or entities, which projects "
                       "never do.").arg(shown));
    case XmlGuard::TooDeep:
        return fail(tr("The project \"%1\" is refused: its elements nest far deeper than in any project.")
                        .arg(shown));
    case XmlGuard::Malformed:
        return fail(tr("The project \"%1\" is damaged (line %2, column %3): %4")
                        .arg(shown, QString::number(read.line), QString::number(read.column), read.detail));
    }

    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("Layers"))
        return fail(tr("\"%1\" is not a project file.").arg(shown));

    // Every layer element gives a layer, whatever its values; the caller's
    // list changes only once the whole file has been read.
    QList<CLayerInfo> layers;
    QList<DamagedLayer> damaged;
    QDomNode node = root.firstChild();
    if (node.nodeName() == QLatin1String("Layer")) {
        for (; !node.isNull(); node = node.nextSibling()) {
            if (!node.isElement())
                continue;
            CLayerInfo layer;
            const QStringList fields = ReadLayer(node.toElement(), &layer);
            layers.append(layer);
            if (!fields.isEmpty())
                damaged.append(DamagedLayer{LayerList.size() + layers.size() - 1, fields});
        }
    }
    LayerList.append(layers);
    Damaged = damaged;
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
        // Later still: the frame the layer was placed on, in its own pixels.
        if (l.Placement.IsKnown()) {
            AddText(&document, &layer, QStringLiteral("FrameWidth"), QString::number(l.Placement.frame.width(), 'g', 17));
            AddText(&document, &layer, QStringLiteral("FrameHeight"), QString::number(l.Placement.frame.height(), 'g', 17));
        }
        if (l.Type == 3) {
            QDomElement wordArt = document.createElement(QStringLiteral("WordArt"));
            layer.appendChild(wordArt);
            WordArtToXML(&document, &wordArt, &l.WordArt);
        }
    }

    QString why;
    if (!AtomicFile::Write(ProjectPath, document.toByteArray(4), &why)) {
        if (errorText)
            *errorText = tr("Cannot write the project \"%1\": %2").arg(ShownPath(ProjectPath), why);
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
    // Whole pixels, truncated; a value a rounding error away from a whole
    // pixel is that pixel, so a layer read and saved again stays where it was.
    const auto whole = [](double v) {
        const double nearest = std::round(v);
        const double w = std::fabs(v - nearest) < 1e-6 ? nearest : std::trunc(v);
        return static_cast<int>(std::clamp(w, double(-kMaxPosition), double(kMaxPosition)));
    };
    CLayerInfo record(layer);
    record.x = whole(topLeftPos.x());
    record.y = whole(topLeftPos.y());
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
