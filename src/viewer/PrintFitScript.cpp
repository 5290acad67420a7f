#include "viewer/PrintFitScript.h"

#include <QRectF>

namespace {

// Lengths are CSS pixels, 96 to the inch, as the engine lays out a printed page.
const char* const kScript = R"JS(
(function (W, H, limit) {
  var d = document, root = d.documentElement, body = d.body;
  if (!body || !d.head) return '{}';
  var slice = function (list) { return Array.prototype.slice.call(list); };
  var tables = slice(d.querySelectorAll('table.items'));
  // The header row becomes the table's head, which the engine repeats on every sheet.
  tables.forEach(function (t) {
    var first = t.rows[0];
    if (!first || !first.querySelector('th') || t.tHead) return;
    var head = d.createElement('thead');
    t.insertBefore(head, first.parentNode);
    head.appendChild(first);
  });
  // Rows with fewer cells than the table has columns stop short of its right edge, and printed
  // so does the table's border beside them: their last cell draws it.
  tables.forEach(function (t) {
    var cs = getComputedStyle(t);
    if (cs.borderRightStyle === 'none' || cs.borderRightStyle === 'hidden' || cs.borderCollapse !== 'collapse') return;
    var span = function (r) { return slice(r.cells).reduce(function (n, c) { return n + c.colSpan; }, 0); };
    var rows = slice(t.rows), columns = Math.max.apply(null, rows.map(span));
    rows.forEach(function (r) {
      if (r.cells.length && span(r) < columns)
        r.cells[r.cells.length - 1].style.borderRight =
          cs.borderRightWidth + ' ' + cs.borderRightStyle + ' ' + cs.borderRightColor;
    });
  });
  var origin = function () { return root.getBoundingClientRect().top; };
  var top = function (e) { return e.getBoundingClientRect().top - origin(); };
  var bottom = function (e) { return e.getBoundingClientRect().bottom - origin(); };
  var oldWidth = root.style.width;
  root.style.width = W + 'px';
  var height = bottom(body) + parseFloat(getComputedStyle(body).marginBottom);
  var css = 'table.items tr { break-inside: avoid; page-break-inside: avoid }';
  var zoom = 1, sheets = 0;
  if (height > H && height <= H * (1 + limit)) {
    zoom = Math.floor(H / height * 0.985 * 1000) / 1000;
    css += ' body { zoom: ' + zoom + ' }';
  } else if (height > H) {
    tables.forEach(function (t) { sheets += split(t); });
  }
  root.style.width = oldWidth;
  var style = d.createElement('style');
  style.textContent = '@media print { ' + css + ' }';
  d.head.appendChild(style);
  return JSON.stringify({height: height, sheetHeight: H, zoom: zoom, breaks: sheets});

  // Moves the rows that would start a new sheet into a copy of the table that starts one, so the
  // breaks fall where chosen here. Returns the number of breaks made.
  function split(t) {
    var tbody = t.tBodies[0];
    if (!tbody || !t.tHead || !tbody.rows.length) return 0;
    var rows = slice(tbody.rows);
    var safety = 4 + H * 0.01;
    var lead = top(rows[0]) - top(t), trail = bottom(t) - bottom(rows[rows.length - 1]);
    var head = t.tHead.getBoundingClientRect().height;
    var blank = function (r) {
      return !r.querySelector('.itemrows') && !/\S/.test(r.textContent.replace(/\u00a0/g, ' '));
    };
    // The totals move with the last row that holds something: from it to the table's end is one piece.
    var rule = rows.findIndex(function (r) { return r.querySelector('hr'); });
    var tail = rule > 0 ? rule - 1 : rows.length - 1;
    while (tail > 0 && blank(rows[tail]) && bottom(rows[rows.length - 1]) - top(rows[tail - 1]) < H - head - safety)
      --tail;
    var pieces = [];
    for (var i = 0; i < tail; ++i) pieces.push({first: i, height: bottom(rows[i]) - top(rows[i])});
    pieces.push({first: tail, height: bottom(rows[rows.length - 1]) - top(rows[tail])});
    var y = top(t) - Math.floor(top(t) / H) * H + lead, starts = [];
    pieces.forEach(function (piece) {
      if (y + piece.height + trail + safety > H && y > lead + head + 1) {
        starts.push(piece.first);
        y = lead + head;
      }
      y += piece.height;
    });
    var previous = t;
    starts.forEach(function (first, n) {
      var end = n + 1 < starts.length ? starts[n + 1] : rows.length;
      var sheet = d.createElement('div');
      sheet.style.breakBefore = 'page';
      sheet.style.pageBreakBefore = 'always';
      var part = t.cloneNode(false);
      part.appendChild(t.tHead.cloneNode(true));
      var partBody = d.createElement('tbody');
      rows.slice(first, end).forEach(function (r) { partBody.appendChild(r); });
      part.appendChild(partBody);
      sheet.appendChild(part);
      previous.parentNode.insertBefore(sheet, previous.nextSibling);
      previous = sheet;
    });
    return starts.length;
  }
})(%1, %2, %3)
)JS";

} // namespace

QString PrintFitScript::forLayout(const QPageLayout& layout)
{
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const double pixelsPerPoint = 96.0 / 72.0;
    return QString::fromLatin1(kScript)
        .arg(printable.width() * pixelsPerPoint, 0, 'f', 2)
        .arg(printable.height() * pixelsPerPoint, 0, 'f', 2)
        .arg(kMostOverflow);
}
