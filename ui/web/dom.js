// The page's side of the web backend, shared by every kind of control: the
// element table, the window box with the keyboard and its activation, and
// what every control has (place, caption, visibility, names for screen
// readers). Each kind's own DOM code is in its file beside this one
// (button.js, label.js, drop_down_list.js, tick_box.js, text_area.js), and
// the touch layout in touch_layout.js. Element numbers index LK.elements;
// 0 is "none". LK is always linked in (web_start needs it), so those files
// use it without naming it as a dependency.
var LibraryLarkspin = {
  $LK: {
    elements: [null],
    windows: [],
    // The toolkit's event types, handed over by web_start.
    Click: null, Change: null, Focus: null, FocusLost: null,

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
    // The program makes its controls in turns of about this many
    // milliseconds (web_turnIsDue); turnStart is when the current one began,
    // null before the first. With the stack's rewinding and the touch
    // layout's placing, a turn of 2 ms is a task of 4 to 7 ms: a slow phone,
    // at four times that, still paints and answers within 50 ms.
    turnLength: 2,
    turnStart: null,
    // Puts a new control into its window at the program's pixels, under the
    // gadget number, and returns its element number. The target is the
    // element that takes the focus and the events (a tick box's check box
    // sits inside the box that is placed).
    place: function(window_, node, target, number, x, y, width, height) {
      var box = LK.elements[window_];
      if (!box) return 0;
      node.id = 'gadget-' + number;
      node.style.left = x + 'px';
      node.style.top = y + 'px';
      node.style.width = width + 'px';
      node.style.height = height + 'px';
      node.larkspinBox = { x: x, y: y };
      node.larkspinTarget = target;
      LK.elements.push(node);
      target.larkspinElement = LK.elements.length - 1;
      box.appendChild(node);
      return target.larkspinElement;
    },
    target: function(element) { return LK.elements[element].larkspinTarget; },
    // Reports the DOM event to the core as the toolkit's event type.
    report: function(target, domEvent, type) {
      target.addEventListener(domEvent, function() {
        Module['_web_reportGadget'](target.larkspinElement, type);
        LK.wake();
      });
    },
    wake: function() {
      if (Module.larkspinWake) Module.larkspinWake();
    },
  },

  web_start: function(click, change, focus, focusLost) {
    LK.Click = click, LK.Change = change, LK.Focus = focus, LK.FocusLost = focusLost;
  },

  web_createWindow: function(x, y, width, height, title, titleLength) {
    var box = document.createElement('div');
    box.className = 'window';
    box.style.width = width + 'px';
    box.style.height = height + 'px';
    // The page may already show the title; written again, the line would be
    // drawn anew for nothing.
    var name = LK.text(title, titleLength);
    var titleLine = document.getElementById('title');
    if (document.title !== name) document.title = name;
    if (titleLine && titleLine.textContent !== name) titleLine.textContent = name;
    // Ordinary controls in a named group, so that a screen reader reads the
    // labels and the count as it reads any page. The program's name is the
    // title's first word.
    box.setAttribute('role', 'group');
    box.setAttribute('aria-label', name.split(' ')[0]);
    (document.getElementById('program') || document.body).appendChild(box);
    LK.elements.push(box);
    var window_ = LK.elements.length - 1;
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

  // Whether the controls made since the page's last turn took long enough
  // for it to get another (web_takeTurn, gadgets.cpp, which starts the next
  // turn); the first control waits for one, so that the start's work before
  // it is a task of its own. A page out of sight paints no frames and takes
  // no turns.
  web_turnIsDue: function() {
    if (document.hidden) return 0;
    return LK.turnStart === null || performance.now() - LK.turnStart >= LK.turnLength ? 1 : 0;
  },

  web_destroyElement: function(element) {
    var node = LK.elements[element];
    if (node && node.parentNode) node.parentNode.removeChild(node);
    LK.elements[element] = null;
  },

  // The text of a button, a label or a tick box.
  web_setCaption: function(element, text, length) {
    var node = LK.elements[element];
    (node.larkspinCaption || node).textContent = LK.text(text, length);
  },

  web_setBoldFace: function(element, bold) {
    LK.elements[element].classList.toggle('bold', !!bold);
  },

  web_setVisible__deps: ['$TouchLayout'],
  web_setVisible: function(element, visible) {
    var node = LK.elements[element];
    node.hidden = !visible;
    if (node.larkspinRowList) TouchLayout.makeRoomBeside(node.larkspinRowList);
  },

  web_focusedElement: function(window_) {
    var at = document.activeElement;
    if (!at || !LK.elements[window_].contains(at)) return 0;
    return at.larkspinElement || 0;
  },

  web_focus: function(window_, element) {
    if (element) {
      LK.target(element).focus();
    } else {
      var at = document.activeElement;
      if (at && LK.elements[window_].contains(at)) at.blur();
    }
  },

  web_setAccessibleName: function(element, name, nameLength, description, descriptionLength) {
    var target = LK.target(element);
    var label = LK.text(name, nameLength);
    var text = LK.text(description, descriptionLength);
    if (label) target.setAttribute('aria-label', label); else target.removeAttribute('aria-label');
    if (text) target.setAttribute('aria-description', text); else target.removeAttribute('aria-description');
  },

  web_setLabelledBy: function(element, label) {
    var target = LK.target(element);
    var named = label ? LK.elements[label] : null;
    if (named) target.setAttribute('aria-labelledby', named.id);
    else target.removeAttribute('aria-labelledby');
  },
};

autoAddDeps(LibraryLarkspin, '$LK');
mergeInto(LibraryManager.library, LibraryLarkspin);
