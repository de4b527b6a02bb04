// Push buttons: a button element that reports every click.
mergeInto(LibraryManager.library, {
  web_createButton: function(window_, number, x, y, width, height, text, length) {
    var button = document.createElement('button');
    button.type = 'button';
    button.textContent = LK.text(text, length);
    LK.report(button, 'click', LK.Click);
    return LK.place(window_, button, button, number, x, y, width, height);
  },
});
