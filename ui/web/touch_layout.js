// The touch layout's places (style.css, .touch), from the program's own
// coordinates: the controls above the first drop-down list form a bar, two
// to a line, that stays in view; each drop-down list starts a row of the
// controls level with it, those left of it in the first column and those
// right of it packed from the row's end; a text area goes below. A kind
// says which of its controls start a row or go below (larkspinTouch).
var LibraryLarkspinTouch = {
  $TouchLayout: {
    place: function(box) {
      var nodes = Array.prototype.slice.call(box.children), tops = [], bar = [], below = [];
      nodes.forEach(function(node) {
        if (node.larkspinTouch === 'row' && tops.indexOf(node.larkspinBox.y) < 0) tops.push(node.larkspinBox.y);
      });
      tops.sort(function(a, b) { return a - b; });
      var rows = tops.map(function() { return []; });
      nodes.forEach(function(node) {
        var y = node.larkspinBox.y, row = tops.length - 1;
        while (row >= 0 && tops[row] > y) --row;
        if (node.larkspinTouch === 'below') below.push(node);
        else if (row < 0) bar.push(node);
        else rows[row].push(node);
      });
      var barLines = (bar.length + 1) >> 1, set = TouchLayout.set;
      set(box, '--bar-lines', barLines);
      bar.forEach(function(node, index) {
        set(node, 'place', index & 1 ? 'bar-end' : 'bar-start');
        set(node, '--line', index >> 1);
        set(node, '--row', (index >> 1) + 1);
      });
      below.forEach(function(node, index) {
        set(node, 'place', 'below');
        set(node, '--row', barLines + tops.length + index + 1);
      });
      rows.forEach(function(mates, row) {
        mates.sort(function(a, b) { return a.larkspinBox.x - b.larkspinBox.x; });
        var list = mates.filter(function(node) { return node.larkspinTouch === 'row'; })[0];
        mates.forEach(function(node, index) {
          set(node, '--row', barLines + row + 1);
          set(node, 'place', node === list ? 'list' : node.larkspinBox.x < list.larkspinBox.x ? 'first' : 'end');
          set(node, '--after', mates.length - 1 - index);
          if (node.dataset.place === 'end') node.larkspinRowList = list;
        });
        list.larkspinRight = mates.slice(mates.indexOf(list) + 1);
        TouchLayout.makeRoomBeside(list);
      });
      box.larkspinPlaced = nodes.length;
    },
    // A list leaves room for the visible controls right of it in its row.
    makeRoomBeside: function(list) {
      var shown = list.larkspinRight.filter(function(node) { return !node.hidden; });
      TouchLayout.set(list, '--beside', shown.length);
    },
    // A control's place (data-place) or one of its custom properties. Only
    // a change is written: the controls are placed again at every turn of
    // the start, and a write may restyle the control even when the value is
    // the same. What was written is kept on the node: reading the style
    // back was a third of the placing's time.
    set: function(node, name, value) {
      var written = node.larkspinWritten || (node.larkspinWritten = {});
      value = String(value);
      if (written[name] === value) return;
      written[name] = value;
      if (name === 'place') node.dataset.place = value;
      else node.style.setProperty(name, value);
    },
  },

  // Controls are created before the first wait, in turns (gadgets.cpp); the
  // touch layout places those made so far at every turn and at every wait.
  // The program makes the lists top to bottom before the rest of their rows,
  // and the text area after them all, so no control moves when the next
  // ones come.
  web_placeNewControls__deps: ['$LK', '$TouchLayout'],
  web_placeNewControls: function() {
    LK.windows.forEach(function(box) {
      if (box.larkspinPlaced !== box.children.length) TouchLayout.place(box);
    });
  },
};

mergeInto(LibraryManager.library, LibraryLarkspinTouch);
