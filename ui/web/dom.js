// The elements behind the toolkit's window and controls, and the handlers
// that report the user's actions to the core (the web_* exports of
// window.cpp). Element numbers index LK.elements; 0 is "none".
var LibraryLarkspin = {
  $LK: {
    elements: [null],
    windows: [],
    // Kinds, in the order of ui::GadgetKind.
    PushButton: 0, TextLabel: 1, DropDownList: 2, TickBox: 3, TextArea: 4,
    Click: 0, Change: 768, Focus: 14000, FocusLost: 14001,
    CentredLabel: 1, WrapLines: 0x10000000,

    // Texts arrive as UTF-16 code units; taken in slices, so that a list of
    // many thousand words does not overflow the argument stack.
    text: function(pointer, length) {
      var units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
      // The decoder would turn a lone surrogate into U+FFFD; the program's
      // texts come from UTF-8 and hold none, but a copy unit by unit keeps
      // them exact whatever they hold.
      for (var i = 0; i < units.length; ++i)
        if ((units[i] & 0xF800) === 0xD800) return LK.exactText(units);
      LK.utf16 = LK.utf16 || new TextDecoder('utf-16le');
      return LK.utf16.decode(units);
    },
    exactText: function(units) {
      var parts = [];
      for (var i = 0; i < units.length; i += 8192)
        parts.push(String.fromCharCode.apply(null, units.subarray(i, i + 8192)));
      return parts.join('');
    },
    utf16: null,
    pendingTexts: null,
    // Laying out a list of 100 KB takes the browser two frames, and only its
    // top is in view: a long text goes in as its first screenful, and the
    // rest once that frame is painted. A text the same as the one shown, or
    // on its way, is not written again, so the area keeps its scroll position.
    firstScreen: 4096,
    show: function(value, node) {
      if (node.larkspinFilling ? node.larkspinWanted === value : node.value === value) return;
      var cut = value.length > LK.firstScreen ? value.indexOf(' ', LK.firstScreen) + 1 : 0;
      if (cut <= 0) cut = value.length;
      node.value = value.slice(0, cut);
      node.larkspinWanted = value;
      node.larkspinFilling = cut < value.length;
      if (!node.larkspinFilling) return;
      requestAnimationFrame(function() {
        setTimeout(function() {
          if (!node.larkspinFilling || node.larkspinWanted !== value) return;
          node.larkspinFilling = false;
          // After anything the user typed meanwhile; no input event, as the
          // text is the program's.
          node.setRangeText(value.slice(cut), node.value.length, node.value.length, 'preserve');
        });
      });
    },
    // The touch layout's places (style.css, .touch), from the program's own
    // coordinates: the controls above the first drop-down list form a bar,
    // two to a line, that stays in view; each drop-down list starts a row of
    // the controls level with it, those left of it in the first column and
    // those right of it packed from the row's end; a text area goes below.
    placeForTouch: function(box) {
      var nodes = Array.prototype.slice.call(box.children), tops = [], bar = [], below = [];
      nodes.forEach(function(node) {
        if (node.larkspinKind === LK.DropDownList && tops.indexOf(node.larkspinBox.y) < 0)
          tops.push(node.larkspinBox.y);
      });
      tops.sort(function(a, b) { return a - b; });
      var rows = tops.map(function() { return []; });
      nodes.forEach(function(node) {
        var y = node.larkspinBox.y, row = tops.length - 1;
        while (row >= 0 && tops[row] > y) --row;
        if (node.larkspinKind === LK.TextArea) below.push(node);
        else if (row < 0) bar.push(node);
        else rows[row].push(node);
      });
      var barLines = (bar.length + 1) >> 1;
      box.style.setProperty('--bar-lines', barLines);
      bar.forEach(function(node, index) {
        node.dataset.place = index & 1 ? 'bar-end' : 'bar-start';
        node.style.setProperty('--line', index >> 1);
        node.style.setProperty('--row', (index >> 1) + 1);
      });
      below.forEach(function(node, index) {
        node.dataset.place = 'below';
        node.style.setProperty('--row', barLines + tops.length + index + 1);
      });
      rows.forEach(function(mates, row) {
        mates.sort(function(a, b) { return a.larkspinBox.x - b.larkspinBox.x; });
        var list = mates.filter(function(node) { return node.larkspinKind === LK.DropDownList; })[0];
        var right = mates.slice(mates.indexOf(list) + 1);
        mates.forEach(function(node, index) {
          node.style.setProperty('--row', barLines + row + 1);
          node.dataset.place = node === list ? 'list' : node.larkspinBox.x < list.larkspinBox.x ? 'first' : 'end';
          node.style.setProperty('--after', mates.length - 1 - index);
          if (node.dataset.place === 'end') node.larkspinRowList = list;
        });
        list.larkspinRight = right;
        LK.makeRoomBeside(list);
      });
      box.larkspinPlaced = nodes.length;
    },
    // A list leaves room for the visible controls right of it in its row.
    makeRoomBeside: function(list) {
      var shown = list.larkspinRight.filter(function(node) { return !node.hidden; });
      list.style.setProperty('--beside', shown.length);
    },
    add: function(element) {
      LK.elements.push(element);
      return LK.elements.length - 1;
    },
    // The element that takes the focus and the events: a tick box's check
    // box sits inside the box that is placed.
    target: function(element) { return element.larkspinInput || element; },
    colour: function(packed) {
      return 'rgb(' + (packed & 255) + ',' + ((packed >> 8) & 255) + ',' + ((packed >> 16) & 255) + ')';
    },
    wake: function() {
      if (Module.larkspinWake) Module.larkspinWake();
    },
    report: function(element, type) {
      Module['_web_reportGadget'](element, type);
      LK.wake();
    },
  },

  web_start: function() {},

  web_createWindow: function(x, y, width, height, title, titleLength) {
    var box = document.createElement('div');
    box.className = 'window';
    box.style.width = width + 'px';
    box.style.height = height + 'px';
    var name = LK.text(title, titleLength);
    document.title = name;
    var titleLine = document.getElementById('title');
    if (titleLine) titleLine.textContent = name;
    // Ordinary controls in a named group, so that a screen reader reads the
    // labels and the count as it reads any page. The program's name is the
    // title's first word.
    box.setAttribute('role', 'group');
    box.setAttribute('aria-label', name.split(' ')[0]);
    (document.getElementById('program') || document.body).appendChild(box);
    var window_ = LK.add(box);
    LK.windows.push(box);
    // A page narrower than the window and its margins gets the controls
    // laid out for touch instead (style.css); zoom narrows the page too.
    var narrow = matchMedia('(max-width: ' + (width + 15) + 'px)');
    var fit = function() { box.classList.toggle('touch', narrow.matches); };
    narrow.addEventListener('change', fit);
    fit();
    // Tab and Shift+Tab walk the controls through the core, from inside the
    // box or from nowhere. At the walk's ends the key leaves the box, and
    // the browser takes the focus to the page's own controls and round.
    document.addEventListener('keydown', function(event) {
      if (event.key !== 'Tab' || event.ctrlKey || event.altKey || event.metaKey) return;
      var at = document.activeElement;
      var inside = at && box.contains(at);
      if (at && at !== document.body && !inside) return;
      if (inside && Module['_web_tabLeaves'](window_, event.shiftKey ? 1 : 0)) return;
      event.preventDefault();
      if (!Module['_web_tabKey'](window_, event.shiftKey ? 1 : 0))
        document.execCommand('insertText', false, '\t'); // the text area's to type
      LK.wake();
    });
    window.addEventListener('blur', function() {
      Module['_web_windowActivation'](window_, 0);
      LK.wake();
    });
    window.addEventListener('focus', function() {
      Module['_web_windowActivation'](window_, 1);
      LK.wake();
    });
    return window_;
  },

  web_destroyElement: function(element) {
    var node = LK.elements[element];
    if (node && node.parentNode) node.parentNode.removeChild(node);
    LK.elements[element] = null;
  },

  web_createControl: function(window_, kind, number, x, y, width, height, text, textLength, flags) {
    var box = LK.elements[window_];
    if (!box) return 0;
    var caption = LK.text(text, textLength);
    var node, input;
    if (kind === LK.PushButton) {
      node = document.createElement('button');
      node.type = 'button';
      node.textContent = caption;
    } else if (kind === LK.TextLabel) {
      node = document.createElement('div');
      node.className = 'label' + (flags & LK.CentredLabel ? ' centred' : '');
      node.textContent = caption;
      // What the program writes into a label is what it has to say.
      node.setAttribute('aria-live', 'polite');
      node.setAttribute('aria-atomic', 'true');
    } else if (kind === LK.DropDownList) {
      node = document.createElement('select');
    } else if (kind === LK.TickBox) {
      node = document.createElement('label');
      node.className = 'tick';
      input = document.createElement('input');
      input.type = 'checkbox';
      node.appendChild(input);
      var span = document.createElement('span');
      span.textContent = caption;
      node.appendChild(span);
      node.larkspinInput = input;
      node.larkspinCaption = span;
    } else if (kind === LK.TextArea) {
      node = document.createElement('textarea');
      node.spellcheck = false;
      node.wrap = flags & LK.WrapLines ? 'soft' : 'off';
    } else {
      return 0;
    }
    node.id = 'gadget-' + number;
    node.style.left = x + 'px';
    node.style.top = y + 'px';
    node.style.width = width + 'px';
    node.style.height = height + 'px';
    node.larkspinKind = kind;
    node.larkspinBox = { x: x, y: y };
    var element = LK.add(node);
    var target = LK.target(node);
    target.larkspinElement = element;
    if (kind === LK.PushButton || kind === LK.TickBox) {
      target.addEventListener('click', function() { LK.report(element, LK.Click); });
    } else if (kind === LK.DropDownList) {
      target.addEventListener('change', function() { LK.report(element, LK.Change); });
    } else if (kind === LK.TextArea) {
      target.addEventListener('input', function() { LK.report(element, LK.Change); });
      target.addEventListener('focus', function() { LK.report(element, LK.Focus); });
      target.addEventListener('blur', function() { LK.report(element, LK.FocusLost); });
    }
    box.appendChild(node);
    return element;
  },

  web_showTexts: function() {
    // Controls are created before the first wait; the touch layout places
    // them once they are all there.
    LK.windows.forEach(function(box) {
      if (box.larkspinPlaced !== box.children.length) LK.placeForTouch(box);
    });
    if (!LK.pendingTexts) return;
    LK.pendingTexts.forEach(LK.show);
    LK.pendingTexts.clear();
  },

  web_setBold: function(element, bold) {
    LK.elements[element].classList.toggle('bold', !!bold);
  },

  web_setText: function(element, text, length) {
    var node = LK.elements[element];
    var value = LK.text(text, length);
    if (node.larkspinKind === LK.TextArea) {
      // The text goes in when the handler is done (web_showTexts): the list
      // is emptied and then written whole, and laying out a long text twice,
      // or again unchanged, costs a frame or more.
      (LK.pendingTexts = LK.pendingTexts || new Map()).set(node, value);
    } else if (node.larkspinCaption) {
      node.larkspinCaption.textContent = value;
    } else {
      node.textContent = value;
    }
  },

  web_insertItem: function(list, position, text, length) {
    var select = LK.elements[list];
    var option = document.createElement('option');
    option.textContent = LK.text(text, length);
    select.insertBefore(option, select.options[position] || null);
  },

  web_selectItem: function(list, index) { LK.elements[list].selectedIndex = index; },

  web_selectedItem: function(list) { return LK.elements[list].selectedIndex; },

  web_setTicked: function(box, ticked) { LK.elements[box].larkspinInput.checked = !!ticked; },
  web_ticked: function(box) { return LK.elements[box].larkspinInput.checked ? 1 : 0; },

  web_setVisible: function(element, visible) {
    var node = LK.elements[element];
    node.hidden = !visible;
    if (node.larkspinRowList) LK.makeRoomBeside(node.larkspinRowList);
  },

  web_focusedElement: function(window_) {
    var at = document.activeElement;
    if (!at || !LK.elements[window_].contains(at)) return 0;
    return at.larkspinElement || 0;
  },

  web_focus: function(window_, element) {
    if (element) {
      LK.target(LK.elements[element]).focus();
    } else {
      var at = document.activeElement;
      if (at && LK.elements[window_].contains(at)) at.blur();
    }
  },

  web_isEditable: function(element) {
    var node = LK.elements[element];
    return node.larkspinKind === LK.TextArea && !node.readOnly ? 1 : 0;
  },

  // The core's look (ui::LabelLook): the page's look for labels, the button
  // face, or a fill of the label's own colour; and the text colour.
  web_setLabelColours: function(label, fill, colour, text) {
    var style = LK.elements[label].style;
    style.color = text !== -1 ? LK.colour(text) : '';
    style.backgroundColor = ['', 'var(--button-face)', LK.colour(colour)][fill];
  },

  web_setAccessibleName: function(element, name, nameLength, description, descriptionLength) {
    var target = LK.target(LK.elements[element]);
    var label = LK.text(name, nameLength);
    var text = LK.text(description, descriptionLength);
    if (label) target.setAttribute('aria-label', label); else target.removeAttribute('aria-label');
    if (text) target.setAttribute('aria-description', text); else target.removeAttribute('aria-description');
  },

  web_setLabelledBy: function(element, label) {
    var target = LK.target(LK.elements[element]);
    var named = label ? LK.elements[label] : null;
    if (named) target.setAttribute('aria-labelledby', named.id);
    else target.removeAttribute('aria-labelledby');
  },
};

autoAddDeps(LibraryLarkspin, '$LK');
mergeInto(LibraryManager.library, LibraryLarkspin);
