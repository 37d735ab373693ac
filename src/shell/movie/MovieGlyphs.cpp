#include "shell/movie/MovieGlyphs.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "ui/ScopedGdi.h"

namespace quorvane {

namespace {

// Coordinates of a glyph are on a 24 x 24 grid, mapped into the target square.
class GlyphCanvas {
 public:
  GlyphCanvas(HDC dc, const RECT& rect, COLORREF colour) : dc_(dc), colour_(colour) {
    int side = std::min(rect.right - rect.left, rect.bottom - rect.top);
    scale_ = side / 24.0;
    left_ = rect.left + (rect.right - rect.left - side) / 2;
    top_ = rect.top + (rect.bottom - rect.top - side) / 2;
    int width = std::max(1, static_cast<int>(std::lround(scale_ * 1.8)));
    pen_.reset(CreatePen(PS_SOLID, width, colour));
    brush_.reset(CreateSolidBrush(colour));
  }

  int X(double x) const { return left_ + static_cast<int>(std::lround(x * scale_)); }
  int Y(double y) const { return top_ + static_cast<int>(std::lround(y * scale_)); }

  void Line(double x1, double y1, double x2, double y2) {
    ScopedSelect pen(dc_, pen_.get());
    MoveToEx(dc_, X(x1), Y(y1), nullptr);
    LineTo(dc_, X(x2), Y(y2));
  }
  void Polyline(std::initializer_list<POINT> grid) {
    ScopedSelect pen(dc_, pen_.get());
    bool first = true;
    for (POINT p : grid) {
      if (first) MoveToEx(dc_, X(p.x), Y(p.y), nullptr);
      else LineTo(dc_, X(p.x), Y(p.y));
      first = false;
    }
  }
  void Rect(double l, double t, double r, double b, bool filled = false) {
    ScopedSelect pen(dc_, pen_.get());
    ScopedSelect brush(dc_, filled ? brush_.get() : GetStockObject(NULL_BRUSH));
    Rectangle(dc_, X(l), Y(t), X(r), Y(b));
  }
  void RoundRect(double l, double t, double r, double b, double radius) {
    ScopedSelect pen(dc_, pen_.get());
    ScopedSelect brush(dc_, GetStockObject(NULL_BRUSH));
    ::RoundRect(dc_, X(l), Y(t), X(r), Y(b), X(radius) - X(0), Y(radius) - Y(0));
  }
  void Circle(double cx, double cy, double radius, bool filled = false) {
    ScopedSelect pen(dc_, pen_.get());
    ScopedSelect brush(dc_, filled ? brush_.get() : GetStockObject(NULL_BRUSH));
    Ellipse(dc_, X(cx - radius), Y(cy - radius), X(cx + radius), Y(cy + radius));
  }
  void Arc(double cx, double cy, double radius, double fromDegrees, double toDegrees) {
    ScopedSelect pen(dc_, pen_.get());
    auto at = [&](double degrees, int* x, int* y) {
      double a = degrees * 3.14159265358979 / 180.0;
      *x = X(cx + radius * std::cos(a));
      *y = Y(cy - radius * std::sin(a));
    };
    int x1, y1, x2, y2;
    at(fromDegrees, &x1, &y1);
    at(toDegrees, &x2, &y2);
    ::Arc(dc_, X(cx - radius), Y(cy - radius), X(cx + radius), Y(cy + radius), x1, y1, x2, y2);
  }
  void Polygon(std::initializer_list<POINT> grid) {
    POINT points[16];
    int count = 0;
    for (POINT p : grid) points[count++] = {X(p.x), Y(p.y)};
    ScopedSelect pen(dc_, pen_.get());
    ScopedSelect brush(dc_, brush_.get());
    ::Polygon(dc_, points, count);
  }
  void Text(const char* text, int heightGrid) {
    ScopedFont font(CreateFontA(-std::max(6, static_cast<int>(heightGrid * scale_)), 0, 0, 0, FW_BOLD, 0, 0, 0,
                                ANSI_CHARSET, 0, 0, 5 /* CLEARTYPE_QUALITY */, 0, "Tahoma"));
    ScopedSelect selected(dc_, font.get());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, colour_);
    RECT r{X(0), Y(0), X(24), Y(24)};
    DrawTextA(dc_, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

 private:
  HDC dc_;
  COLORREF colour_;
  double scale_ = 1;
  int left_ = 0, top_ = 0;
  ScopedPen pen_;
  ScopedBrush brush_;
};

using GlyphPainter = void (*)(GlyphCanvas&);

const std::map<std::string, GlyphPainter>& Painters() {
  static const std::map<std::string, GlyphPainter> painters = {
      {"wand", [](GlyphCanvas& c) {
         c.Line(4, 20, 15, 9);
         c.Polygon({{15, 3}, {16, 7}, {20, 8}, {16, 9}, {15, 13}, {14, 9}, {10, 8}, {14, 7}});
         c.Line(19, 14, 19, 18);
         c.Line(17, 16, 21, 16);
       }},
      {"sliders", [](GlyphCanvas& c) {
         for (int row = 0; row < 3; ++row) c.Line(3, 6 + row * 6, 21, 6 + row * 6);
         c.Rect(6, 4, 10, 8, true);
         c.Rect(14, 10, 18, 14, true);
         c.Rect(8, 16, 12, 20, true);
       }},
      {"archive", [](GlyphCanvas& c) {
         c.Rect(3, 4, 21, 9);
         c.Rect(4, 9, 20, 20);
         c.Line(9, 13, 15, 13);
       }},
      {"pulse", [](GlyphCanvas& c) { c.Polyline({{2, 13}, {7, 13}, {9, 7}, {12, 19}, {15, 4}, {17, 13}, {22, 13}}); }},
      {"chart", [](GlyphCanvas& c) {
         c.Polyline({{3, 3}, {3, 21}, {21, 21}});
         c.Rect(6, 13, 9, 21, true);
         c.Rect(11, 8, 14, 21, true);
         c.Rect(16, 11, 19, 21, true);
       }},
      {"chip", [](GlyphCanvas& c) {
         c.Rect(6, 6, 18, 18);
         c.Rect(9, 9, 15, 15, true);
         for (int i = 0; i < 3; ++i) {
           int p = 9 + i * 3;
           c.Line(p, 2, p, 6);
           c.Line(p, 18, p, 22);
           c.Line(2, p, 6, p);
           c.Line(18, p, 22, p);
         }
       }},
      {"gear", [](GlyphCanvas& c) {
         c.Circle(12, 12, 6);
         c.Circle(12, 12, 2.2, true);
         for (int i = 0; i < 8; ++i) {
           double a = i * 3.14159265358979 / 4;
           c.Line(12 + 6 * std::cos(a), 12 + 6 * std::sin(a), 12 + 9.5 * std::cos(a), 12 + 9.5 * std::sin(a));
         }
       }},
      {"globe", [](GlyphCanvas& c) {
         c.Circle(12, 12, 9);
         c.Line(3, 12, 21, 12);
         c.Line(12, 3, 12, 21);
         c.Arc(12, 12, 9, 60, 120);
         c.Arc(12, 12, 9, 240, 300);
         c.Polyline({{12, 3}, {8, 7}, {7, 12}, {8, 17}, {12, 21}});
         c.Polyline({{12, 3}, {16, 7}, {17, 12}, {16, 17}, {12, 21}});
       }},
      {"monitor", [](GlyphCanvas& c) {
         c.RoundRect(3, 4, 21, 16, 2);
         c.Line(12, 16, 12, 20);
         c.Line(7, 20, 17, 20);
       }},
      {"modem", [](GlyphCanvas& c) {
         c.RoundRect(3, 11, 21, 18, 2);
         c.Circle(7, 14.5, 1, true);
         c.Circle(11, 14.5, 1, true);
         c.Arc(16, 10, 3, 20, 160);
         c.Arc(16, 10, 6, 30, 150);
       }},
      {"network", [](GlyphCanvas& c) {
         c.Rect(9, 3, 15, 8);
         c.Rect(3, 16, 9, 21);
         c.Rect(15, 16, 21, 21);
         c.Polyline({{12, 8}, {12, 12}, {6, 12}, {6, 16}});
         c.Polyline({{12, 12}, {18, 12}, {18, 16}});
       }},
      {"help", [](GlyphCanvas& c) {
         c.Circle(12, 12, 9);
         c.Text("?", 13);
       }},
      {"info", [](GlyphCanvas& c) {
         c.Circle(12, 12, 9);
         c.Text("i", 13);
       }},
      {"home", [](GlyphCanvas& c) {
         c.Polyline({{3, 12}, {12, 4}, {21, 12}});
         c.Polyline({{6, 10}, {6, 20}, {18, 20}, {18, 10}});
         c.Rect(10, 14, 14, 20);
       }},
      {"minimize", [](GlyphCanvas& c) { c.Line(6, 17, 18, 17); }},
      {"tray", [](GlyphCanvas& c) {
         c.Polyline({{4, 14}, {4, 20}, {20, 20}, {20, 14}});
         c.Line(12, 4, 12, 15);
         c.Polyline({{8, 11}, {12, 15}, {16, 11}});
       }},
      {"close", [](GlyphCanvas& c) {
         c.Line(6, 6, 18, 18);
         c.Line(18, 6, 6, 18);
       }},
      {"restart", [](GlyphCanvas& c) {
         c.Arc(12, 12, 8, 110, 60);
         c.Polygon({{14, 2}, {19, 5}, {14, 9}});
       }},
      {"logo", [](GlyphCanvas& c) {
         c.Circle(12, 12, 9);
         c.Arc(12, 12, 5, 200, 160);
         c.Line(14, 15, 19, 20);
         c.Polyline({{2, 17}, {6, 17}, {8, 13}, {10, 19}, {12, 15}});
       }},
      {"arrow", [](GlyphCanvas& c) {
         c.Line(5, 12, 19, 12);
         c.Polyline({{13, 6}, {19, 12}, {13, 18}});
       }},
  };
  return painters;
}

}  // namespace

void DrawMovieGlyph(HDC dc, const RECT& rect, const std::string& name, COLORREF colour) {
  auto found = Painters().find(name);
  if (found == Painters().end()) return;
  GlyphCanvas canvas(dc, rect, colour);
  found->second(canvas);
}

}  // namespace quorvane
