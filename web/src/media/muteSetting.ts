// SPDX-License-Identifier: GPL-3.0-or-later
// "おとなし": no sound at all, not even the beep, for a shared room. Set by
// the address (?mute=1) for one visit, or by the box in the help window,
// which this browser remembers.
const storedKey = 'porominka-mute';

function remembered(): boolean {
  try {
    return localStorage.getItem(storedKey) === '1';
  } catch {
    return false;
  }
}

function remember(muted: boolean): void {
  try {
    if (muted) localStorage.setItem(storedKey, '1');
    else localStorage.removeItem(storedKey);
  } catch {
    // A browser that keeps nothing still mutes for this visit.
  }
}

export function startsMuted(parameters: URLSearchParams): boolean {
  return parameters.get('mute') === '1' || remembered();
}

export function createMuteSetting(muted: boolean, onChange: (muted: boolean) => void): HTMLElement {
  const setting = document.createElement('label');
  setting.id = 'MuteSetting';
  const box = document.createElement('input');
  box.type = 'checkbox';
  box.checked = muted;
  box.addEventListener('change', () => {
    remember(box.checked);
    onChange(box.checked);
  });
  setting.append(box, 'おとなし');
  return setting;
}
