// The build's drawing tool: draws every label's caption as the window's label draws it, on the
// frame's colour, at each screen scale given and at each fraction of a device pixel the label can
// stand at on that scale, and writes the pixels as a C++ source that the window library compiles
// in. The window then shows its captions without laying out their text, and never loads the fonts
// only captions use.
// Usage: zentavo_predraw_captions OUTPUT.cpp SCALE...   (screen scales as QT_SCALE_FACTOR takes)
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frm_zentavo.h"
#include "predrawn_captions.h"
#include "qt_conversions.h"

namespace zentavo {
namespace {

std::string Number(long long value) {
  char buffer[24];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string Hex(unsigned value) {
  char buffer[16];
  return "0x" + std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr);
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7f || c == '"' || c == '\\' || c == '?') {
      // Three octal digits, which no following character can extend.
      char digits[4];
      const char* end = std::to_chars(digits, digits + sizeof digits, byte, 8).ptr;
      const std::string octal(static_cast<const char*>(digits), end);
      quoted += "\\" + std::string(3 - octal.size(), '0') + octal;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

// Every place, in the window, each label stands at for some resistor count, in the order of the
// design.
std::vector<std::pair<const Label*, std::set<std::pair<int, int>>>> LabelPlaces(frmZentavo& form) {
  std::vector<std::pair<const Label*, std::set<std::pair<int, int>>>> places;
  for (const Control* control : form.Controls())
    if (control->Kind() == ControlKind::Label)
      places.emplace_back(static_cast<const Label*>(control), std::set<std::pair<int, int>>{});
  for (int entry = 0; entry < form.cboRezP.ListCount(); ++entry) {
    form.UserPicks(form.cboRezP, entry);
    const QPoint frame(Pixels(form.fraParalel.Left()), Pixels(form.fraParalel.Top()));
    for (auto& [label, at] : places) {
      const QPoint place = frame + QPoint(Pixels(label->Left()), Pixels(label->Top()));
      at.insert({place.x(), place.y()});
    }
  }
  return places;
}

class Writer {
 public:
  void Caption(const Label& caption, const QFont& windowFont,
               const std::set<std::pair<int, int>>& places, const QColor& background,
               const std::vector<int>& percents) {
    // A label as the window sets one up: plain text in its font and alignment, dark on the
    // frame's colour.
    const std::string text = caption.Caption();
    QLabel label;
    label.setTextFormat(Qt::PlainText);
    label.setText(ToQString(text));
    const QFont font = caption.OwnFont() ? ToQFont(*caption.OwnFont()) : windowFont;
    label.setFont(font);
    label.setAlignment(ToQtAlignment(caption.CaptionAlignment()));
    QPalette palette = label.palette();
    const QColor ink = ToQColor(design::kInk);
    palette.setColor(QPalette::WindowText, ink);
    label.setPalette(palette);
    const QSize size = label.sizeHint();
    label.resize(size);

    const std::string name = Number(captions_++);
    std::string rasters;
    int count = 0;
    for (const int percent : percents) {
      const double scale = percent / 100.0;
      std::set<std::pair<int, int>> phases;
      for (const auto& [x, y] : places)
        phases.insert({PixelPhase(x * scale), PixelPhase(y * scale)});
      for (const auto& [phaseX, phaseY] : phases) {
        const QImage image = Drawn(label, scale, phaseX, phaseY, background);
        const std::string pixels = "kPixels" + name + "_" + Number(count++);
        const bool grey = image.allGray();
        // The pixels of one scale lie together, so that a window touches few pages of them.
        std::string& scaled = pixels_[percent];
        scaled += "const unsigned char " + pixels + "[] = {";
        for (int y = 0; y < image.height(); ++y) {
          const uchar* row = image.constScanLine(y);
          for (int x = 0; x < image.width(); ++x) {
            const uchar* pixel = row + 3 * x;
            scaled +=
                grey ? Number(pixel[0]) + ","
                     : Number(pixel[0]) + "," + Number(pixel[1]) + "," + Number(pixel[2]) + ",";
          }
          scaled += "\n";
        }
        scaled += "};\n";
        rasters += "{" + Number(percent) + ", " + Number(phaseX) + ", " + Number(phaseY) + ", " +
                   Number(image.width()) + ", " + Number(image.height()) + ", " +
                   (grey ? "true" : "false") + ", " + pixels + "},\n";
      }
    }
    definitions_ += "const PredrawnRaster kRasters" + name + "[] = {\n" + rasters + "};\n";
    definitions_ += "const PredrawnCaption kCaption" + name + "{" + Quoted(text) + ", " +
                    Quoted(font.family().toStdString()) + ", " + Number(font.pixelSize()) + ", " +
                    (font.bold() ? "true" : "false") + ", " + Number(font.stretch()) + ", " +
                    Number(static_cast<int>(label.alignment())) + ", " + Hex(ink.rgba()) + "u, " +
                    Hex(background.rgba()) + "u, " + Number(size.width()) + ", " +
                    Number(size.height()) + ", kRasters" + name + "};\n\n";
    list_ += "kCaption" + name + ",";
  }

  std::string Source() const {
    std::string source =
        "// Written by zentavo_predraw_captions at build time.\n"
        "#include \"predrawn_captions.h\"\n\nnamespace zentavo {\nnamespace {\n\n";
    for (const auto& [percent, pixels] : pixels_) source += pixels;
    source += definitions_;
    if (captions_ > 0) source += "const PredrawnCaption kCaptions[] = {" + list_ + "};\n";
    source += "\n}  // namespace\n\nstd::span<const PredrawnCaption> PredrawnCaptions() {\n";
    source += captions_ > 0 ? "  return kCaptions;\n" : "  return {};\n";
    return source + "}\n\n}  // namespace zentavo\n";
  }

 private:
  // The label drawn with its origin that far into a device pixel, on the device pixels from the
  // one holding its origin.
  static QImage Drawn(QLabel& label, double scale, int phaseX, int phaseY,
                      const QColor& background) {
    const QPointF phase(phaseX / 100.0, phaseY / 100.0);
    QImage image(static_cast<int>(std::ceil(phase.x() + label.width() * scale)),
                 static_cast<int>(std::ceil(phase.y() + label.height() * scale)),
                 QImage::Format_RGB888);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    QPainter painter(&image);
    painter.translate(phase / scale);
    label.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
  }

  std::map<int, std::string> pixels_;  // by scale
  std::string definitions_, list_;
  int captions_ = 0;
};

}  // namespace
}  // namespace zentavo

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: zentavo_predraw_captions OUTPUT.cpp SCALE...\n", stderr);
    return 2;
  }
  std::vector<int> percents;
  for (int i = 2; i < argc; ++i) {
    double scale = 0;
    const char* end = argv[i] + std::strlen(argv[i]);
    if (std::from_chars(argv[i], end, scale).ptr != end || !(scale > 0)) {
      std::fprintf(stderr, "not a screen scale: %s\n", argv[i]);
      return 2;
    }
    percents.push_back(static_cast<int>(std::lround(scale * 100)));
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace zentavo;
  frmZentavo form(Platform{NumberFormat{".", ","}, {}, {}});
  const QColor background = ToQColor(form.fraParalel.BackColour().value_or(design::kWindowGrey));
  const QFont windowFont = ToQFont(form.frm.OwnFont().value_or(design::kWindowFont));
  // Each caption as the window starts with it; a caption the program changes later is drawn as
  // text from then on.
  Writer writer;
  for (const auto& [label, places] : LabelPlaces(form))
    writer.Caption(*label, windowFont, places, background, percents);
  const std::string source = writer.Source();
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr || std::fwrite(source.data(), 1, source.size(), out) != source.size() ||
      std::fclose(out) != 0) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
