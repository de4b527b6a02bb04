// Tick boxes: a check box and its caption in a label of the gadget's size,
// so that the whole box takes a click; the browser toggles the tick, then
// the click is reported.
mergeInto(LibraryManager.library, {
  web_createTickBox: function(window_, number, x, y, width, height, text, length) {
    var box = document.createElement('label');
    box.className = 'tick';
    var input = document.createElement('input');
    input.type = 'checkbox';
    box.appendChild(input);
    box.larkspinCaption = document.createElement('span');
    box.larkspinCaption.textContent = LK.text(text, length);
    box.appendChild(box.larkspinCaption);
    LK.report(input, 'click', LK.Click);
    return LK.place(window_, box, input, number, x, y, width, height);
  },

  web_setTicked: function(box, ticked) { LK.target(box).checked = !!ticked; },
  web_ticked: function(box) { return LK.target(box).checked ? 1 : 0; },
});

