"""A build backend (PEP 517, PEP 660) for this pure-Python package that needs nothing beyond the standard library:
a wheel holds the velrtf folder and its metadata; the version is velrtf.__version__."""
import base64, hashlib, io, os, re, tarfile, zipfile  # noqa: E401

HERE = os.path.dirname(os.path.abspath(__file__))
NAME = "velrtf"
SUMMARY = "Write Rich Text Format documents through the velrtf library"


def _version():
    with open(os.path.join(HERE, NAME, "__init__.py"), encoding="utf-8") as f:
        return re.search(r'^__version__ = "([^"]+)"', f.read(), re.M)[1]


def _metadata():
    return ("Metadata-Version: 2.1\nName: %s\nVersion: %s\nSummary: %s\nRequires-Python: >=3.8\n"
            % (NAME, _version(), SUMMARY)).encode()


def _package_files():
    folder = os.path.join(HERE, NAME)
    return sorted("%s/%s" % (NAME, f) for f in os.listdir(folder) if f.endswith((".py", "py.typed")))


def _wheel(directory, files):  # files: archive name -> bytes
    dist_info = "%s-%s.dist-info" % (NAME, _version())
    files = dict(files)
    files[dist_info + "/METADATA"] = _metadata()
    files[dist_info + "/WHEEL"] = b"Wheel-Version: 1.0\nGenerator: velrtf build_backend\nRoot-Is-Purelib: true\n" \
                                  b"Tag: py3-none-any\n"
    record = "".join("%s,sha256=%s,%d\n" % (name, base64.urlsafe_b64encode(hashlib.sha256(data).digest())
                                                  .rstrip(b"=").decode(), len(data)) for name, data in files.items())
    files[dist_info + "/RECORD"] = (record + dist_info + "/RECORD,,\n").encode()
    name = "%s-%s-py3-none-any.whl" % (NAME, _version())
    with zipfile.ZipFile(os.path.join(directory, name), "w", zipfile.ZIP_DEFLATED) as wheel:
        for path, data in files.items():
            wheel.writestr(path, data)
    return name


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    return _wheel(wheel_directory, {f: open(os.path.join(HERE, f), "rb").read() for f in _package_files()})


def build_editable(wheel_directory, config_settings=None, metadata_directory=None):
    return _wheel(wheel_directory, {NAME + ".pth": (HERE + "\n").encode()})


def build_sdist(sdist_directory, config_settings=None):
    base = "%s-%s" % (NAME, _version())
    with tarfile.open(os.path.join(sdist_directory, base + ".tar.gz"), "w:gz") as sdist:
        for f in ["pyproject.toml", "build_backend.py"] + _package_files():
            sdist.add(os.path.join(HERE, f), "%s/%s" % (base, f))
        info = tarfile.TarInfo(base + "/PKG-INFO")
        info.size = len(_metadata())
        sdist.addfile(info, io.BytesIO(_metadata()))
    return base + ".tar.gz"
