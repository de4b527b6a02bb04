// Drop-down lists: a select, whose change event is the user settling on an
// item (the core decides what that means). Each list starts a row of the
// touch layout.
mergeInto(LibraryManager.library, {
  web_createDropDownList: function(window_, number, x, y, width, height) {
    var select = document.createElement('select');
    select.larkspinTouch = 'row';
    LK.report(select, 'change', LK.Change);
    return LK.place(window_, select, select, number, x, y, width, height);
  },

  web_insertItem: function(list, position, text, length) {
    var select = LK.elements[list];
    var option = document.createElement('option');
    option.textContent = LK.text(text, length);
    select.insertBefore(option, select.options[position] || null);
  },

  web_selectItem: function(list, index) { LK.elements[list].selectedIndex = index; },
  web_selectedItem: function(list) { return LK.elements[list].selectedIndex; },
});

