// The text area: an editable textarea that reports the user's edits and its
// focus, and goes below the rows in the touch layout. The program's texts go
// in when its handler is done (web_fillTextAreas, before the next wait): the
// list is emptied and then written whole, and laying out a long text twice,
// or again unchanged, costs a frame or more.
mergeInto(LibraryManager.library, {
  $TextAreas: {
    pending: null, // Map of the areas to their texts
    // Laying out a list of 100 KB takes the browser two frames, and only its
    // top is in view: a long text goes in as its first screenful, and the
    // rest once that frame is painted. A text the same as the one shown, or
    // on its way, is not written again, so the area keeps its scroll position.
    firstScreenful: 4096,
    fillInTwoSteps: function(value, area) {
      if (area.larkspinFilling ? area.larkspinWanted === value : area.value === value) return;
      var cut = value.length > TextAreas.firstScreenful ? value.indexOf(' ', TextAreas.firstScreenful) + 1 : 0;
      if (cut <= 0) cut = value.length;
      area.value = value.slice(0, cut);
      area.larkspinWanted = value;
      area.larkspinFilling = cut < value.length;
      if (!area.larkspinFilling) return;
      requestAnimationFrame(function() {
        setTimeout(function() {
          if (!area.larkspinFilling || area.larkspinWanted !== value) return;
          area.larkspinFilling = false;
          // After anything the user typed meanwhile; no input event, as the
          // text is the program's.
          area.setRangeText(value.slice(cut), area.value.length, area.value.length, 'preserve');
        });
      });
    },
  },

  web_createTextArea: function(window_, number, x, y, width, height, wrap) {
    var area = document.createElement('textarea');
    area.spellcheck = false;
    area.wrap = wrap ? 'soft' : 'off';
    area.larkspinTouch = 'below';
    LK.report(area, 'input', LK.Change);
    LK.report(area, 'focus', LK.Focus);
    LK.report(area, 'blur', LK.FocusLost);
    return LK.place(window_, area, area, number, x, y, width, height);
  },

  web_setTextAreaText__deps: ['$TextAreas'],
  // 0 when the script has no memory for the text (a string too long for
  // it, for one): the area is then emptied.
  web_setTextAreaText: function(area, text, length) {
    var value = '';
    try {
      value = LK.text(text, length);
    } catch (error) {
      if (!(error instanceof RangeError)) throw error;
    }
    (TextAreas.pending = TextAreas.pending || new Map()).set(LK.elements[area], value);
    return value.length === length ? 1 : 0;
  },

  web_fillTextAreas__deps: ['$TextAreas'],
  web_fillTextAreas: function() {
    if (!TextAreas.pending) return;
    TextAreas.pending.forEach(TextAreas.fillInTwoSteps);
    TextAreas.pending.clear();
  },

  web_isEditable: function(area) { return LK.elements[area].readOnly ? 0 : 1; },
});

