// A page that goes after the browser's event bridge: it searches its window and its frames for
// anything it could call, forges the input events the browser acts on, and replaces the event
// accessors the browser reads. It records what its own listeners receive.
var got = [];

function probe() {
    var found = [], calls = [];
    function search(w, where) {
        var names = {};
        try { Object.getOwnPropertyNames(w).forEach(function (n) { names[n] = 1; }); } catch (e) {}
        try { for (var n in w) names[n] = 1; } catch (e) {}
        try { Object.getOwnPropertyNames(Object.getPrototypeOf(w)).forEach(function (n) { names[n] = 1; }); } catch (e) {}
        Object.keys(names).forEach(function (n) {
            if (/_hooked$/.test(n) || /^__zv/.test(n)) found.push(where + n);
            var v;
            try { v = w[n]; } catch (e) { return; }
            if (!v || (typeof v !== 'object' && typeof v !== 'function') || v === w) return;
            var d, c;
            try { d = v.dispatch; c = v.capture; } catch (e) { return; }
            if (typeof d === 'function') {
                found.push(where + n + '.dispatch');
                try { calls.push(String(v.dispatch('click', w.document.body, {clientX: 1, clientY: 1, button: 1}))); }
                catch (e) { calls.push('threw ' + e); }
            }
            if (typeof c === 'function') {
                found.push(where + n + '.capture');
                try { v.capture(w.document.body); calls.push('captured'); } catch (e) { calls.push('threw ' + e); }
            }
        });
        for (var i = 0; i < w.frames.length; i++) search(w.frames[i], where + 'frames[' + i + '].');
    }
    search(window, '');
    return JSON.stringify({found: found, calls: calls});
}

// Dispatches made-up events of every kind the browser listens to; returns each dispatch's result
// (false when something cancelled it).
function forge() {
    var t = document.getElementById('target'), out = [];
    function send(name, e, on) {
        try { Object.defineProperty(e, 'isTrusted', {value: true}); } catch (x) {}
        out.push(name + ':' + (on || t).dispatchEvent(e));
    }
    ['mousedown', 'click', 'dblclick', 'contextmenu', 'mousemove', 'mouseover', 'dragstart'].forEach(function (type) {
        var e = document.createEvent('MouseEvents');
        e.initMouseEvent(type, true, true, window, 1, 60, 60, 10, 10, false, false, false, false,
                         type === 'contextmenu' ? 2 : 0, null);
        send(type, e);
        send(type + '/new', new MouseEvent(type, {bubbles: true, cancelable: true, clientX: 10, clientY: 10}));
    });
    var k = document.createEvent('KeyboardEvent');
    k.initKeyboardEvent('keydown', true, true, window, 'F5', 0, false, false, false, false);
    try { Object.defineProperty(k, 'keyCode', {get: function () { return 116; }}); } catch (x) {}
    send('keydown', k);
    send('keydown/new', new KeyboardEvent('keydown', {bubbles: true, cancelable: true, key: 'F5', keyCode: 116}));
    ['selectstart', 'mousewheel'].forEach(function (type) {
        send(type, new Event(type, {bubbles: true, cancelable: true}));
    });
    send('selectionchange', new Event('selectionchange', {bubbles: true, cancelable: true}), document);
    t.click();
    return out.join(' ');
}

// Replaces what a listener would read of an event: the target, the position and the cancel call.
function tamper() {
    var decoy = document.getElementById('decoy');
    Object.defineProperty(Event.prototype, 'target', {get: function () { return decoy; }, configurable: true});
    Object.defineProperty(Event.prototype, 'srcElement', {get: function () { return decoy; }, configurable: true});
    ['clientX', 'clientY', 'screenX', 'screenY'].forEach(function (name) {
        Object.defineProperty(MouseEvent.prototype, name, {get: function () { return 777; }, configurable: true});
    });
    Event.prototype.preventDefault = function () {};
}

var early = probe();

window.addEventListener('load', function () {
    window.atLoad = probe();
    ['mousedown', 'click', 'dblclick', 'keydown', 'contextmenu', 'mousemove', 'mouseover', 'dragstart',
     'selectstart', 'mousewheel'].forEach(function (type) {
        document.getElementById('target').addEventListener(type, function () { got.push(type); });
    });
    document.addEventListener('selectionchange', function () { got.push('selectionchange'); });
});
