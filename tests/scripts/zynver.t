#!/usr/bin/perl
use strict;
use warnings;

use FindBin;
use lib "$FindBin::Bin/lib";

use POSIX qw(mkfifo);
use Test::More;
use ScriptTest;

my $ZYNVER = script_path('zynver.pl');

# A document in the form the editor writes, with something of every kind the
# conversion must leave alone: comments, processing instructions, CDATA,
# escaped and non-ASCII text, unknown elements, a USERFIELD that is not a user
# key and a CHOICEDATA outside any CHOICE.
my $DOCUMENT = <<'XDP';
<!DOCTYPE ZYN SYSTEM "zyn.dtd">
<ZYN @ROOT@>
<COMMENT>Target for the &lt;X&gt; board &amp; friends: é ü 日本</COMMENT>
<!-- hand-written note: keep -->
<?tool mark="1"?>
<IS Label="Basic settings" Doc="IS">
<IS_C Label="C">
<SETTINGS>
<COMMENT/>
<SRCEXT Doc="SRCEXT" Label="Source extension">
<COMMENT/>
<VALUE>.c</VALUE>
</SRCEXT>
<@FIELD@>
<COMMENT>added by hand</COMMENT>
<KEY>BOARD</KEY>
<VALUE>x-1</VALUE>
</@FIELDTAG@>
</SETTINGS>
</IS_C>
</IS>
<BUILD Label="Build">
<USERFIELD Note="not a user key here"/>
<NEWCMDFILE Name="run.sh">
<COMMENT/>
<VALUE><![CDATA[#!/bin/sh
test "$1" && exit 0 || echo "<none>"]]></VALUE>
</NEWCMDFILE>
</BUILD>
<LIBCONF Label="Library">
<LIBCONFC>
<CLOCK Label="Clock" Doc="CLOCK">
<CHOICE Name="Clock source" Value="none">
<CHOICEDATA@SENSITIVE@>none</CHOICEDATA>
<CHOICEDATA Sensitive="1">custom</CHOICEDATA>
<ONGLET Label="Code"/>
</CHOICE>
<COMMENT/>
</CLOCK>
<CHOICEDATA>outside a CHOICE</CHOICEDATA>
</LIBCONFC>
</LIBCONF>
<FUTURE_PART x="1" y="2"/>
</ZYN>
XDP

my %FIELD = (
    user     => 'USERFIELD Label="User key"',
    ini      => 'INIFIELD Label="User key" Doc="ISOTHERS"',
    user_doc => 'USERFIELD Label="User key" Doc="MINE"',
    ini_doc  => 'INIFIELD Label="User key" Doc="MINE"',
);
my %SENSITIVE = ( missing => '', added => ' Sensitive="0"' );

sub document {
    my ( $root, $field, $sensitive ) = @_;
    my $text = $DOCUMENT;
    $text =~ s/\@ROOT\@/$root/;
    $text =~ s/\@FIELD\@/$FIELD{$field}/;
    my ($tag) = $FIELD{$field} =~ /^(\S+)/;
    $text =~ s/\@FIELDTAG\@/$tag/;
    $text =~ s/\@SENSITIVE\@/$SENSITIVE{$sensitive}/;
    utf8::encode($text);
    return $text;
}

my $NAME = 'Name="Board X" type="CCPP"';
my $GEN  = 'generate_in="gen"';

is( run_script( $ZYNVER, '-list' )->{out}, "V2007\nV2008\nV2009\n", '-list prints the versions oldest first' );
is( run_script( $ZYNVER, '-list' )->{status}, 0, '-list exits with 0' );

# name, extra arguments, input (root attributes, user key, choice entry),
# expected output (root attributes, user key, choice entry)
my @updates = (
    [ 'V2007 by its own Version', [qw(-tover V2009)],
      [ qq{$NAME Version="V2007" $GEN}, 'user', 'missing' ],
      [ qq{$NAME Version="V2009" $GEN read_only="no"}, 'ini', 'added' ] ],
    [ 'V2007 with -fromver', [qw(-fromver V2007 -tover V2009)],
      [ qq{$NAME Version="V2007" $GEN}, 'user', 'missing' ],
      [ qq{$NAME Version="V2009" $GEN read_only="no"}, 'ini', 'added' ] ],
    [ 'V2008 by its own Version', [qw(-tover V2009)],
      [ qq{$NAME Version="V2008" $GEN}, 'ini', 'missing' ],
      [ qq{$NAME Version="V2009" $GEN read_only="no"}, 'ini', 'added' ] ],
    [ 'V2008 with -fromver', [qw(-fromver V2008 -tover V2009)],
      [ qq{$NAME Version="V2008" $GEN}, 'ini', 'missing' ],
      [ qq{$NAME Version="V2009" $GEN read_only="no"}, 'ini', 'added' ] ],
    [ 'no Version is the oldest', [qw(-tover V2009)],
      [ qq{$NAME $GEN}, 'user', 'missing' ],
      [ qq{$NAME $GEN read_only="no" Version="V2009"}, 'ini', 'added' ] ],
    [ 'empty Version is the oldest', [qw(-tover V2009)],
      [ qq{$NAME Version="" $GEN}, 'user', 'missing' ],
      [ qq{$NAME Version="V2009" $GEN read_only="no"}, 'ini', 'added' ] ],
    [ 'no Version, -fromver names it', [qw(-fromver V2008 -tover V2009)],
      [ qq{$NAME $GEN}, 'user', 'missing' ],
      [ qq{$NAME $GEN read_only="no" Version="V2009"}, 'user', 'added' ] ],
    [ '-tover V2008 stops there', [qw(-tover V2008)],
      [ qq{$NAME Version="V2007" $GEN}, 'user', 'missing' ],
      [ qq{$NAME Version="V2008" $GEN}, 'ini', 'missing' ] ],
    [ 'no -tover means the newest', [],
      [ qq{$NAME Version="V2007"}, 'user', 'missing' ],
      [ qq{$NAME Version="V2009" read_only="no"}, 'ini', 'added' ] ],
    [ 'existing read_only and Doc are kept', [qw(-tover V2009)],
      [ qq{$NAME read_only="yes" Version="V2007"}, 'user_doc', 'missing' ],
      [ qq{$NAME read_only="yes" Version="V2009"}, 'ini_doc', 'added' ] ],
    [ 'V2009 is left as it is', [qw(-fromver V2009 -tover V2009)],
      [ qq{$NAME Version="V2009" read_only="no"}, 'user', 'missing' ],
      [ qq{$NAME Version="V2009" read_only="no"}, 'user', 'missing' ] ],
);

for my $case (@updates) {
    my ( $name, $extra, $input, $expected ) = @$case;
    my $dir  = scratch_dir();
    my $file = "$dir/port file.xdp";
    spew( $file, document(@$input) );

    my $run = run_script( $ZYNVER, '-update', $file, @$extra );
    is( $run->{status}, 0,  "$name: exit status 0" );
    is( $run->{err},    '', "$name: nothing on standard error" );
    is( slurp($file), document(@$expected), "$name: converted, everything else byte for byte" );
    is_deeply( [ leftovers( $dir, 'port file.xdp' ) ], [], "$name: no temporary file left" );
}

{
    my $dir  = scratch_dir();
    my $file = "$dir/real.xdp";
    spew( $file, qq{<ZYN Version="V2008"/>\n} );
    chmod 0640, $file;
    symlink 'real.xdp', "$dir/link.xdp" or die "symlink: $!";
    is( run_script( $ZYNVER, '-update', "$dir/link.xdp", qw(-tover V2009) )->{status},
        0, 'update through a symbolic link' );
    ok( -l "$dir/link.xdp", 'the link stays a link' );
    is( slurp($file), qq{<ZYN Version="V2009" read_only="no"/>\n}, 'the file it names is converted' );
    is( ( stat $file )[2] & 07777, 0640, 'the permissions are kept' );
}

{
    my $dir  = scratch_dir();
    my $file = "$dir/latin1.xdp";
    spew( $file, qq{<?xml version="1.0" encoding="ISO-8859-1"?>\n<ZYN Version="V2009" read_only="no" Name="caf\xe9"/>\n} );
    is( run_script( $ZYNVER, '-update', $file, qw(-fromver V2008) )->{status}, 1, 'a contradicting -fromver fails' );
    run_script( $ZYNVER, '-update', $file, qw(-fromver V2009 -tover V2009) );
    is( slurp($file), qq{<?xml version="1.0" encoding="ISO-8859-1"?>\n<ZYN Version="V2009" read_only="no" Name="caf\xe9"/>\n},
        'a current document is not rewritten' );
    spew( $file, qq{<?xml version="1.0" encoding="ISO-8859-1"?>\n<ZYN Version="V2008" Name="caf\xe9"/>\n} );
    run_script( $ZYNVER, '-update', $file, qw(-tover V2009) );
    is( slurp($file), qq{<ZYN Version="V2009" Name="caf\xc3\xa9" read_only="no"/>\n},
        'a Latin-1 document is written in UTF-8 without a declaration' );
}

# Every refusal: non-zero status, one line on standard error, the file as it
# was, nothing left beside it. Setup subs get the scratch directory and answer
# the arguments.
my $SECRET = 'secret-content-7f3a';
my $V2008  = qq{<ZYN Version="V2008"><IS/></ZYN>\n};

sub with_file {
    my ( $content, @args ) = @_;
    return sub {
        my ($dir) = @_;
        spew( "$dir/doc.xdp", $content );
        return ( '-update', "$dir/doc.xdp", @args );
    };
}

my @refusals = (
    [ 'unknown version',           with_file(qq{<ZYN Version="V1999"/>\n}) ],
    [ 'newer version',             with_file(qq{<ZYN Version="V2010"/>\n}) ],
    [ 'version in other case',     with_file(qq{<ZYN Version="v2008"/>\n}) ],
    [ 'version with a blank',      with_file(qq{<ZYN Version="V2008 "/>\n}) ],
    [ 'malformed XML',             with_file(qq{<ZYN Version="V2008"><IS></ZYN>\n}) ],
    [ 'truncated document',        with_file(qq{<!DOCTYPE ZYN SYSTEM "zyn.dtd">\n<ZYN Version="V2008"><IS>}) ],
    [ 'binary garbage',            with_file("\x00\xff\xfe\x01garbage\x80") ],
    [ 'invalid UTF-8',             with_file(qq{<ZYN Version="V2008">\xc3\x28</ZYN>\n}) ],
    [ 'empty file',                with_file('') ],
    [ 'root is not ZYN',           with_file(qq{<ZIN Version="V2008"/>\n}) ],
    [ 'nesting too deep',          with_file( '<ZYN>' . ( '<a>' x 100_000 ) ) ],
    [ 'entity expansion bomb',     with_file( entity_bomb() ) ],
    [ 'external entity',           sub { with_file( external_entity( $_[0], '' ) )->(@_) } ],
    [ 'external parameter entity', sub { with_file( external_entity( $_[0], '% ' ) )->(@_) } ],
    [ '-fromver contradicts Version', with_file( $V2008, qw(-fromver V2007 -tover V2009) ) ],
    [ 'back to an older version',  with_file( qq{<ZYN Version="V2009"/>\n}, qw(-tover V2008) ) ],
    [ 'unknown -tover',            with_file( $V2008, qw(-tover V2010) ) ],
    [ 'unknown -fromver',          with_file( qq{<ZYN/>\n}, qw(-fromver V2000) ) ],
    [ 'no arguments',              sub { spew( "$_[0]/doc.xdp", $V2008 ); () } ],
    [ 'unknown command',           with_file( $V2008, '-upgrade' ) ],
    [ '-list with an argument',    sub { spew( "$_[0]/doc.xdp", $V2008 ); ( '-list', "$_[0]/doc.xdp" ) } ],
    [ '-update without a file',    sub { spew( "$_[0]/doc.xdp", $V2008 ); ('-update') } ],
    [ '-tover without a version',  with_file( $V2008, '-tover' ) ],
    [ 'unknown option',            with_file( $V2008, qw(-to V2009) ) ],
    [ 'option given twice',        with_file( $V2008, qw(-tover V2009 -tover V2009) ) ],
    [ 'missing file',              sub { ( '-update', "$_[0]/absent.xdp", qw(-tover V2009) ) } ],
    [ 'directory',                 sub { mkdir "$_[0]/dir.xdp"; ( '-update', "$_[0]/dir.xdp" ) } ],
    [ 'FIFO',                      sub { mkfifo( "$_[0]/fifo.xdp", 0600 ) or die; ( '-update', "$_[0]/fifo.xdp" ) } ],
    [ 'device',                    sub { ( '-update', '/dev/zero' ) } ],
    [ 'symbolic link loop',        sub { symlink 'b.xdp', "$_[0]/a.xdp"; symlink 'a.xdp', "$_[0]/b.xdp"; ( '-update', "$_[0]/a.xdp" ) } ],
);
push @refusals, [ 'read-only file', sub { my @a = with_file($V2008)->(@_); chmod 0444, "$_[0]/doc.xdp"; @a } ]
  if $> != 0;    # root writes anywhere

for my $case (@refusals) {
    my ( $name, $setup ) = @$case;
    my $dir  = scratch_dir();
    my @args = $setup->("$dir");
    my %before = map { $_ => -f "$dir/$_" ? slurp("$dir/$_") : undef } leftovers($dir);

    my $run = run_script( $ZYNVER, @args );
    fails_with_one_line( $run, $name );
    my %after = map { $_ => -f "$dir/$_" ? slurp("$dir/$_") : undef } leftovers($dir);
    is_deeply( \%after, \%before, "$name: files unchanged, nothing added" );
    unlike( join( '', $run->{out}, $run->{err}, $after{'doc.xdp'} // '' ),
        qr/$SECRET/, "$name: no outside file's content shows" );
}

sub external_entity {
    my ( $dir, $percent ) = @_;
    spew( "$dir/secret.txt", $SECRET );
    spew( "$dir/secret.ent", qq{<!ENTITY leak "$SECRET">} );
    return $percent
      ? qq{<!DOCTYPE ZYN [\n<!ENTITY % ext SYSTEM "file://$dir/secret.ent">\n%ext;\n]>\n<ZYN Version="V2008"><A>&leak;</A></ZYN>\n}
      : qq{<!DOCTYPE ZYN [\n<!ENTITY ext SYSTEM "file://$dir/secret.txt">\n]>\n<ZYN Version="V2008"><A>&ext;</A></ZYN>\n};
}

sub entity_bomb {
    my $decls = qq{<!ENTITY l0 "lol">\n};
    $decls .= qq{<!ENTITY l$_ "} . ( "&l" . ( $_ - 1 ) . ";" ) x 10 . qq{">\n} for 1 .. 9;
    return qq{<!DOCTYPE ZYN [\n$decls]>\n<ZYN Version="V2008"><A>&l9;</A></ZYN>\n};
}

done_testing();
