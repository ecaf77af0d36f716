#include "drawing/DxfWriter.h"

#include <QList>
#include <QStringEncoder>

#include <cmath>
#include <cstdio>

namespace spanwise {

namespace {

// A number as the file writes it: up to 4 decimals, without trailing zeros ("0" for −0).
std::string number(double v) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.4f", std::fabs(v) < 5e-5 ? 0.0 : v);
    std::string text = buffer;
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.push_back('0');
    }
    return text;
}

// A text in GBK; what GBK cannot write (or writes otherwise than as one ASCII byte or a pair
// of bytes from 0x81) as \U+XXXX.
std::string gbk(const QString& text) {
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    std::string out;
    for (const uint code : text.toUcs4()) {
        const auto c = static_cast<char32_t>(code);
        const QString one = QString::fromUcs4(&c, 1);
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        const QByteArray bytes = encoder.isValid() ? encoder.encode(one) : QByteArray();
        const bool pair = !encoder.hasError() && bytes.size() == 2 &&
                          static_cast<unsigned char>(bytes[0]) >= 0x81 && bytes[0] != '?';
        if (pair) {
            out += bytes.toStdString();
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\U+%04X", code > 0xFFFF ? 0xFFFDu : code);
            out += escape;
        }
    }
    return out;
}

class Dxf {
public:
    void pair(int code, const std::string& value) {
        m_out += std::to_string(code);
        m_out += "\r\n";
        m_out += value;
        m_out += "\r\n";
    }
    void pair(int code, double value) { pair(code, number(value)); }
    void point(int code, QPointF p) {
        pair(code, p.x());
        pair(code + 10, p.y());
        pair(code + 20, 0.0);
    }
    std::string take() { return std::move(m_out); }

private:
    std::string m_out;
};

void header(Dxf& dxf, const DetailingSheet& sheet) {
    const QRectF extents = sheet.extents();
    dxf.pair(0, "SECTION");
    dxf.pair(2, "HEADER");
    dxf.pair(9, "$ACADVER");
    dxf.pair(1, "AC1009");
    dxf.pair(9, "$DWGCODEPAGE");
    dxf.pair(3, "ANSI_936");
    dxf.pair(9, "$INSBASE");
    dxf.point(10, {0, 0});
    dxf.pair(9, "$EXTMIN");
    dxf.point(10, extents.topLeft());
    dxf.pair(9, "$EXTMAX");
    dxf.point(10, extents.bottomRight());
    dxf.pair(9, "$LTSCALE");
    dxf.pair(40, kSheetUnit);
    dxf.pair(9, "$TEXTSTYLE");
    dxf.pair(7, "SPW");
    dxf.pair(0, "ENDSEC");
}

void tables(Dxf& dxf) {
    dxf.pair(0, "SECTION");
    dxf.pair(2, "TABLES");
    dxf.pair(0, "TABLE");
    dxf.pair(2, "LTYPE");
    dxf.pair(70, "2");
    auto linetype = [&](const char* name, const char* description,
                        std::initializer_list<double> dashes) {
        dxf.pair(0, "LTYPE");
        dxf.pair(2, name);
        dxf.pair(70, "0");
        dxf.pair(3, description);
        dxf.pair(72, "65");
        dxf.pair(73, std::to_string(dashes.size()));
        double total = 0;
        for (double d : dashes) {
            total += std::fabs(d);
        }
        dxf.pair(40, total);
        for (double d : dashes) {
            dxf.pair(49, d);
        }
    };
    linetype("CONTINUOUS", "Solid line", {});
    linetype("CENTER", "Center ____ _ ____ _", {31.75, -6.35, 6.35, -6.35});
    dxf.pair(0, "ENDTAB");

    dxf.pair(0, "TABLE");
    dxf.pair(2, "LAYER");
    dxf.pair(70, std::to_string(std::size(kSheetLayers) + 1));
    auto layer = [&](const char* name, int colour, const char* linetypeName) {
        dxf.pair(0, "LAYER");
        dxf.pair(2, name);
        dxf.pair(70, "0");
        dxf.pair(62, std::to_string(colour));
        dxf.pair(6, linetypeName);
    };
    layer("0", 7, "CONTINUOUS");
    for (SheetLayer l : kSheetLayers) {
        const SheetLayerStyle& style = layerStyle(l);
        layer(style.name, style.colour, style.centreLine ? "CENTER" : "CONTINUOUS");
    }
    dxf.pair(0, "ENDTAB");

    dxf.pair(0, "TABLE");
    dxf.pair(2, "STYLE");
    dxf.pair(70, "2");
    auto style = [&](const char* name, double widthFactor, const char* font, const char* bigFont) {
        dxf.pair(0, "STYLE");
        dxf.pair(2, name);
        dxf.pair(70, "0");
        dxf.pair(40, 0.0);
        dxf.pair(41, widthFactor);
        dxf.pair(50, 0.0);
        dxf.pair(71, "0");
        dxf.pair(42, 2.5);
        dxf.pair(3, font);
        dxf.pair(4, bigFont);
    };
    style("STANDARD", 1.0, "txt.shx", "");
    style("SPW", 0.7, "gbenor.shx", "gbcbig.shx");
    dxf.pair(0, "ENDTAB");
    dxf.pair(0, "ENDSEC");
}

void entity(Dxf& dxf, const SheetItem& item) {
    const char* layer = layerStyle(item.layer).name;
    switch (item.kind) {
    case SheetItem::Kind::Line:
        dxf.pair(0, "LINE");
        dxf.pair(8, layer);
        dxf.point(10, item.points[0]);
        dxf.point(11, item.points[1]);
        break;
    case SheetItem::Kind::Circle:
        dxf.pair(0, "CIRCLE");
        dxf.pair(8, layer);
        dxf.point(10, item.points[0]);
        dxf.pair(40, item.radius);
        break;
    case SheetItem::Kind::Text: {
        dxf.pair(0, "TEXT");
        dxf.pair(8, layer);
        dxf.point(10, item.points[0]);
        dxf.pair(40, item.height);
        dxf.pair(1, gbk(item.text));
        dxf.pair(7, "SPW");
        const int horizontal = item.align == TextAlign::Left    ? 0
                               : item.align == TextAlign::Right ? 2
                                                                : 1;
        const int vertical = item.align == TextAlign::Middle ? 2 : 0;
        if (horizontal != 0) {
            dxf.pair(72, std::to_string(horizontal));
        }
        if (vertical != 0) {
            dxf.pair(73, std::to_string(vertical));
        }
        if (horizontal != 0 || vertical != 0) {
            dxf.point(11, item.points[0]);
        }
        break;
    }
    case SheetItem::Kind::Polyline:
        dxf.pair(0, "POLYLINE");
        dxf.pair(8, layer);
        dxf.pair(66, "1");
        dxf.point(10, {0, 0});
        dxf.pair(70, item.closed ? "1" : "0");
        if (item.width > 0) {
            dxf.pair(40, item.width);
            dxf.pair(41, item.width);
        }
        for (const QPointF& p : item.points) {
            dxf.pair(0, "VERTEX");
            dxf.pair(8, layer);
            dxf.point(10, p);
            if (item.bulge != 0) {
                dxf.pair(42, item.bulge);
            }
        }
        dxf.pair(0, "SEQEND");
        dxf.pair(8, layer);
        break;
    }
}

} // namespace

std::string dxfBytes(const DetailingSheet& sheet) {
    Dxf dxf;
    header(dxf, sheet);
    tables(dxf);
    dxf.pair(0, "SECTION");
    dxf.pair(2, "ENTITIES");
    for (const SheetItem& item : sheet.items) {
        entity(dxf, item);
    }
    dxf.pair(0, "ENDSEC");
    dxf.pair(0, "EOF");
    return dxf.take();
}

} // namespace spanwise
