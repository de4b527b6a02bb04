// Text labels: a block of text that reports nothing, painted in the look the
// core decides.
mergeInto(LibraryManager.library, {
  web_createLabel: function(window_, number, x, y, width, height, text, length, centred) {
    var label = document.createElement('div');
    label.className = 'label' + (centred ? ' centred' : '');
    label.textContent = LK.text(text, length);
    // What the program writes into a label is what it has to say.
    label.setAttribute('aria-live', 'polite');
    label.setAttribute('aria-atomic', 'true');
    return LK.place(window_, label, label, number, x, y, width, height);
  },

  // The core's look (ui::LabelLook): the page's look for labels, the button
  // face, or a fill of the label's own colour; and the text colour.
  web_setLabelColours: function(label, fill, colour, text) {
    var css = function(packed) {
      return 'rgb(' + (packed & 255) + ',' + ((packed >> 8) & 255) + ',' + ((packed >> 16) & 255) + ')';
    };
    var style = LK.elements[label].style;
    style.color = text !== -1 ? css(text) : '';
    style.backgroundColor = ['', 'var(--button-face)', css(colour)][fill];
  },
});

