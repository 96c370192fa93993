// The demo login page: logs in against the demo site and hands the result to the launcher
// through window.external.AppLogin. In a browser without the launcher it says so instead.
(function () {
  'use strict';

  var form = document.getElementById('login');
  var account = document.getElementById('account');
  var password = document.getElementById('password');
  var remember = document.getElementById('remember');
  var submit = document.getElementById('submit');
  var message = document.getElementById('message');
  var savedKey = 'tarnwick.account';

  function show(text, kind) {
    message.textContent = text;
    message.className = 'message ' + (kind || 'error');
  }

  // The launcher's object, when this page is shown by the launcher.
  function launcher() {
    try {
      var external = window.external;
      if (external && typeof external.AppLogin === 'function') return external;
    } catch (e) { /* some browsers refuse to hand out window.external */ }
    return null;
  }

  try {
    var saved = window.localStorage.getItem(savedKey);
    if (saved) { account.value = saved; remember.checked = true; password.focus(); }
    else account.focus();
  } catch (e) { account.focus(); }

  function rememberAccount() {
    try {
      if (remember.checked) window.localStorage.setItem(savedKey, account.value);
      else window.localStorage.removeItem(savedKey);
    } catch (e) { /* storage is optional */ }
  }

  form.addEventListener('submit', function (event) {
    event.preventDefault();
    if (!account.value.trim()) { show('请输入账号'); account.focus(); return; }
    if (!password.value) { show('请输入密码'); password.focus(); return; }
    show('正在登录…', 'notice');
    submit.disabled = true;
    var body = new URLSearchParams(new FormData(form));
    fetch('/client/login', { method: 'POST', body: body })
      .then(function (response) {
        return response.json().then(function (data) { return { ok: response.ok, data: data }; });
      })
      .then(function (answer) {
        if (!answer.ok) {
          show(answer.data.error || '登录失败，请稍后再试');
          password.select();
          submit.disabled = false;
          return;
        }
        rememberAccount();
        var external = launcher();
        if (!external) {
          show('登录成功，但此页面需要在 Tarnwick 登录器中打开才能启动游戏。', 'notice');
          submit.disabled = false;
          return;
        }
        show('登录成功，正在启动游戏…', 'ok');
        // Let the message show before the launcher takes over; the call returns after the game
        // launcher was started (or could not be).
        window.setTimeout(function () {
          external.AppLogin(JSON.stringify(answer.data));
          submit.disabled = false;
        }, 50);
      })
      .catch(function () {
        show('无法连接登录服务器，请检查网络后重试。');
        submit.disabled = false;
      });
  });
})();
