#!/usr/bin/perl
# The shipped templates, the sample target and the reference page, checked
# against one another and against the structure the editor builds its tree
# from: each document must open as a complete V2009 document whose nodes all
# have their documentation, and the four templates together must exercise
# every node kind, element kind and macro kind of the editor.
use strict;
use warnings;
use Test::More;
use FindBin qw($Bin);
use File::Temp qw(tempfile);
use Encode qw(decode FB_CROAK);
use XML::LibXML;

my $XML       = "$Bin/../../installation/targets/xml";
my $REFERENCE = "$XML/Reference.html";
my $SAMPLE    = "$Bin/../../samples/gcc-linux.xdp";

my @TEMPLATES = (
    { file => "$XML/templatec.xdp",    type => 'CCPP', variant => 'LIBCONFC' },
    { file => "$XML/templatea.xdp",    type => 'ADA',  variant => 'LIBCONFA' },
    { file => "$XML/templatej2se.xdp", type => 'J2SE', variant => 'LIBCONFJAVA' },
    { file => "$XML/templatej2me.xdp", type => 'J2ME', variant => 'LIBCONFJAVA' },
);
$_->{read_only} = 'yes' for @TEMPLATES;
my %SAMPLE = (
    file      => $SAMPLE,
    type      => 'CCPP',
    variant   => 'LIBCONFC',
    read_only => 'no',
    made_from => "$XML/templatec.xdp",
);

# ---------------------------------------------------------------------------
# The editor's tree: which tags become which nodes, level by level.

my @BUILD_STEPS = qw(ASSEMBLER COMPILATION PREPROCESSING LIBRARY LINK EXECUTE EXECUTEDBG ZYNPERLFUNC);
my @SETTINGS    = qw(IS_C IS_CPP IS_A IS_A83 IS_JAVA IS_ALL);
my @PREDEFINED_KEYS = qw(ASMEXT SRCEXT OBJEXT EXEEXT DEFAULT_INCLUDE_PATHS DEFAULT_DEFINES
  DEFAULT_CPPFLAGS DEFAULT_CFLAGS DEFAULT_LDFLAGS DEFAULT_LIBRARY_PATHS DEFAULT_LIBS);
my @PARSER_ADA = qw(STANDARDA83 STANDARDA95 SYSTEMADA83 SYSTEMADA95 JTESTXML PCOPP);

sub kinds {
    my %table;
    while ( my ( $kind, $tags ) = splice @_, 0, 2 ) {
        $table{$_} = $kind for split ' ', $tags;
    }
    return \%table;
}

my %CHILDREN = (
    QARootNode => kinds(
        QAIsNode      => 'IS',
        QABuildNode   => 'BUILD',
        QALibConfNode => 'LIBCONF',
        QAParserNode  => 'PARSERCONF'
    ),
    QAIsNode    => kinds( QAIsSettingsNode => "@SETTINGS" ),
    QABuildNode => kinds(
        QAPerlNode     => "@BUILD_STEPS",
        QACmdFileNode  => 'NEWCMDFILE',
        QABinFileNode  => 'NEWBINFILE'
    ),
    QALibConfNode => kinds(
        QALCFreeTextNode => 'FREE_TEXT_BEFORE_FOR_INSTR FREE_TEXT_BEFORE_FOR_ZYN
            FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN FREE_TEXT_AFTER_FOR_ZYN
            FREE_TEXT_WITH_PRIV_IO_ADS FREE_TEXT_ADD_PRIV_IO_ADS',
        QALCCommentNode => 'COMPILER_SPECIFICS APPLICATION_SPECIFICS TESTING_SPECIFICS IO HEAP
            CLOCKING THREADING FUNCTIONS',
        QALCItemNode   => 'RESTRICTIONS TYPES CONSTANTS COMPONENTTESTING',
        QALCChoiceNode => 'CLOCK THREADS FILTERS',
        QAJavaCustom   => 'CUSTOMJAVA',
        QAJvmpiCustom  => 'CUSTOMJVMPI'
    ),
    QALCCommentNode => kinds(
        QALCComment2Node => 'SYSTEM_TESTING OBSERVATIONS COMMENT_PAGE',
        QALCChoiceNode   => 'EXIT DATE INIT MEMCPY CLOCK THREADS GENERAL_IO ERROR_IO GENERAL_HEAP
            LOWLEVEL_MEMLIB MEMLIB_EXTENSION CHOICE_PAGE',
        QALCItemNode => 'PREPROCESSING_SPECIFICS LINKAGE CPP_SPECIFICS DATA_TYPES SPRINTF
            MAIN_RETURN STRING_SUPPORT FLOAT_SUPPORT SETTINGS_IO ITEM_PAGE',
        QALCFctNode      => 'PRIV_INIT PRIV_CLOCK PRIV_OPEN PRIV_WRITELN PRIV_CLOSE FCT_PAGE',
        QALCFreeTextNode => 'FREE_TEXT_WITH_PRIV_IO_ADB FREE_TEXT_TOP_ADD_PRIV_IO_ADB
            FREE_TEXT_ADD_PRIV_IO_ADB'
    ),
    QALCComment2Node => kinds(
        QALCChoiceNode => 'MEMCPY GETHOSTNAME ATSMAIN RDV ATEXIT GETENV GETPID SIGNAL LONGJMP
            CHOICE_PAGE',
        QALCItemNode => 'DYNTRACK INITSUPPORTED ITEM_PAGE'
    ),
    QAJavaCustom => kinds(
        QALCFreeTextNode => 'JAVA_IMPORTS',
        QALCChoiceNode   => 'JAVA_EARLYINIT JAVA_THREADS JAVA_DATARETRIEVAL JAVA_CLOCK'
    ),
    QAJvmpiCustom => kinds(
        QALCFreeTextNode => 'FREE_TEXT_BEFORE_FOR_ZYN FREE_TEXT_AFTER_FOR_ZYN BUILD_JVMPI',
        QALCChoiceNode   => 'JVMPI_HEAP JVMPI_IO JVMPI_ERROR JVMPI_STRING JVMPI_DATE_IN_MILLISEC
            JVMPI_SOCKET'
    ),
    QAParserNode => kinds(
        QAPcWexNode => 'PC_WEX',
        QAPcEdgNode => 'PC_EDG',
        QAPcAdaNode => "@PARSER_ADA"
    ),
    QAPcEdgNode => kinds( QAPcOtNode => 'PCOPP PCHPP' ),
);

# The element kind each node kind's pane edits.
my %ELEMENT_KIND = (
    ( map { $_ => 'comment' }
        qw(QARootNode QAIsNode QABuildNode QALibConfNode QALCCommentNode QALCComment2Node
          QAJavaCustom QAJvmpiCustom QAParserNode QAPcEdgNode QABinFileNode) ),
    ( map { $_ => 'freetext' } qw(QALCFreeTextNode QAPcOtNode QAPcAdaNode QAPcWexNode) ),
    ( map { $_ => 'function' } qw(QAPerlNode QALCFctNode) ),
    QAIsSettingsNode => 'settings',
    QACmdFileNode    => 'textfile',
    QALCItemNode     => 'item',
    QALCChoiceNode   => 'choice',
);

my %MACRO_FORM = (
    ( map { $_ => 'value' } qw(TEXT_MACRO TYPEADA CONSTANTADA CONSTANTSTRINGADA) ),
    ( map { $_ => 'binary' } qw(BINARY_MACRO RENAMEADA) ),
    OPTIONAL_MACRO => 'optional',
);
my @TAB_MACROS    = qw(TEXT_MACRO BINARY_MACRO OPTIONAL_MACRO);
my @FUNCTIONS     = qw(VALUEFCTPERL VALUEFCTADA VALUEFCT);    # in order of preference
my @TAB_FUNCTIONS = qw(VALUEFCTPERL VALUEFCT VALUEFCTC VALUEFCTH);

# ---------------------------------------------------------------------------
# Reading documents the way the editor does: whitespace-only text is dropped.

sub significant_nodes {
    my ($element) = @_;
    return grep {
        !( $_->nodeType == XML_TEXT_NODE && $_->data =~ /\A\s*\z/ )
    } $element->childNodes;
}

sub elements { return grep { $_->nodeType == XML_ELEMENT_NODE } $_[0]->childNodes }

sub child {
    my ( $element, $tag ) = @_;
    return ( grep { $_->nodeName eq $tag } elements($element) )[0];
}

sub first_element {
    my $first = ( significant_nodes( $_[0] ) )[0];
    return $first && $first->nodeType == XML_ELEMENT_NODE ? $first : undef;
}

sub text_of {
    my ($element) = @_;
    my $first = $element && $element->firstChild;
    return $first && ( $first->nodeType == XML_TEXT_NODE || $first->nodeType == XML_CDATA_SECTION_NODE )
      ? $first->data
      : '';
}

sub where {
    my ($element) = @_;
    my $what = $element->nodeName;
    for my $attr (qw(Doc Name Label)) {
        my $value = $element->getAttribute($attr);
        return "$what $attr=\"$value\"" if defined $value && $value ne '';
    }
    return "$what at line " . $element->line_number;
}

# One assertion per kind of check, listing everything it found wrong.
sub no_problems {
    my ( $problems, $name ) = @_;
    ok( !@$problems, $name ) or diag( join "\n", @$problems );
}

sub slurp {
    my ($path) = @_;
    open my $in, '<:raw', $path or die "$path: $!";
    local $/;
    return scalar <$in>;
}

my $PARSER = XML::LibXML->new( load_ext_dtd => 0, no_network => 1, expand_entities => 0, line_numbers => 1 );

sub load {
    my ($path) = @_;
    return $PARSER->load_xml( string => slurp($path) )->documentElement;
}

# The one language variant whose sections the editor shows.
sub shown_variant {
    my ($libconf) = @_;
    return unless $libconf;
    return ( grep { defined } map { child( $libconf, $_ ) } qw(LIBCONFC LIBCONFA LIBCONFJAVA) )[0];
}

# The build commands as the generator writes them into one Perl module.
sub build_module {
    my @steps = map { child( $_->[1], 'VALUEFCTPERL' ) // () } grep { $_->[0] eq 'QAPerlNode' } @_;
    my $code = join "\n", map { my $f = $_; map { text_of( child( $f, $_ ) ) } qw(PROTO VALUE TAIL) } @steps;
    return "package zynbuild;\nuse strict;\nuse warnings;\n$code\n1;\n";
}

# Builds the node list of a document: [kind, element, depth] in tree order.
sub tree_nodes {
    my ($root) = @_;
    my @nodes;
    my $walk;
    $walk = sub {
        my ( $kind, $element, $depth ) = @_;
        push @nodes, [ $kind, $element, $depth ];
        my $table = $CHILDREN{$kind} or return;
        my $source = $element;
        if ( $kind eq 'QALibConfNode' ) {
            $source = shown_variant($element);
        }
        elsif ( $kind eq 'QAParserNode' ) {
            $source = ( significant_nodes($element) )[1];
        }
        return unless $source && $source->nodeType == XML_ELEMENT_NODE;
        for my $child ( elements($source) ) {
            my $child_kind = $table->{ $child->nodeName } or next;
            $walk->( $child_kind, $child, $depth + 1 );
        }
    };
    $walk->( 'QARootNode', $root, 0 ) if $root->nodeName eq 'ZYN';
    return @nodes;
}

# ---------------------------------------------------------------------------
# Structure of each element kind. Each check answers the problems it found
# and records what it met in %$seen, for the coverage checks.

sub check_documented {
    my ( $element, @fields ) = @_;
    my @problems;
    for my $attr (@fields) {
        my $value = $element->getAttribute($attr);
        push @problems, where($element) . " has no $attr" unless defined $value && $value ne '';
    }
    return @problems;
}

sub check_comment {
    my ($element) = @_;
    my $comment = child( $element, 'COMMENT' );
    return where($element) . ' has no COMMENT' unless $comment;
    return where($element) . ' has an empty COMMENT' if text_of($comment) eq '';
    return;
}

sub check_function {
    my ($function) = @_;
    my @problems;
    for my $part (qw(PROTO VALUE TAIL)) {
        push @problems, where($function) . " has no $part" unless child( $function, $part );
    }
    push @problems, where($function) . ' has an empty body' if text_of( child( $function, 'VALUE' ) ) eq '';
    return @problems;
}

sub check_macro {
    my ( $macro, $seen ) = @_;
    my @problems = ( check_documented( $macro, qw(Name Doc) ), check_comment($macro) );
    my $form = $MACRO_FORM{ $macro->nodeName };
    if ( $form eq 'value' ) {
        my @tags = map { $_->nodeName } elements($macro);
        push @problems, where($macro) . " holds @tags instead of COMMENT VALUE"
          unless "@tags" eq 'COMMENT VALUE';
    }
    else {
        my $value = $macro->getAttribute('Value');
        push @problems, where($macro) . ' has no Value' unless defined $value;
        push @problems, where($macro) . " has Value \"$value\" instead of 1 or 0"
          if $form eq 'binary' && defined $value && $value !~ /\A[01]\z/;
        my $defined = $macro->getAttribute('Defined') // '';
        push @problems, where($macro) . " has Defined \"$defined\" instead of 1 or 0"
          if $form eq 'optional' && $defined !~ /\A[01]\z/;
    }
    $seen->{'macro kind'}{ $macro->nodeName }++;
    return @problems;
}

# Item elements and item tabs: every child but COMMENT wraps one macro.
sub check_wrappers {
    my ( $element, $accepted, $seen ) = @_;
    my @problems;
    for my $wrapper ( grep { $_->nodeName ne 'COMMENT' } elements($element) ) {
        my $macro = first_element($wrapper);
        if ( !$macro || !$accepted->{ $macro->nodeName } ) {
            push @problems, where($wrapper) . ' in ' . where($element) . ' wraps no macro the pane shows';
            next;
        }
        push @problems, check_macro( $macro, $seen );
    }
    return @problems;
}

sub check_tab {
    my ( $tab, $seen ) = @_;
    my @problems = check_documented( $tab, 'Label' );
    my $first = first_element($tab);
    my $tag = $first ? $first->nodeName : '';
    if ( grep { $_ eq $tag } @TAB_FUNCTIONS ) {
        $seen->{'tab kind'}{code}++;
        $seen->{'code tab'}{$tag}++;
        push @problems, check_documented( $first, 'Doc' ), check_comment($first), check_function($first);
    }
    elsif ( $tag eq 'ITEM' ) {
        $seen->{'tab kind'}{item}++;
        push @problems, check_wrappers( $tab, { map { $_ => 1 } @TAB_MACROS }, $seen );
        $seen->{'tab macro'}{ first_element($_)->nodeName }++
          for grep { first_element($_) } elements($tab);
    }
    else {
        push @problems, where($tab) . ' starts with neither a function nor an ITEM: it makes no tab';
    }
    return @problems;
}

sub check_choice {
    my ( $element, $seen ) = @_;
    my @problems;
    my $choice = child( $element, 'CHOICE' );
    return where($element) . ' has no CHOICE' unless $choice;
    push @problems, where($element) . ' does not start with its CHOICE'
      unless ( significant_nodes($element) )[0]->isSameNode($choice);
    push @problems, check_documented( $choice, qw(Name Value) );
    my @entries = grep { $_->nodeName eq 'CHOICEDATA' } elements($choice);
    push @problems, where($element) . ' offers no CHOICEDATA' unless @entries;
    my %texts;
    for my $entry (@entries) {
        my $text = text_of($entry);
        push @problems, where($element) . ' has a CHOICEDATA without text' if $text eq '';
        push @problems, where($element) . " offers \"$text\" twice" if $texts{$text}++;
        my $sensitive = $entry->getAttribute('Sensitive') // '';
        push @problems, where($element) . " entry \"$text\" has Sensitive \"$sensitive\""
          unless $sensitive =~ /\A[01]\z/;
        $seen->{'choice entry'}{ $sensitive ? 'sensitive' : 'insensitive' }++;
    }
    my $value = $choice->getAttribute('Value') // '';
    push @problems, where($element) . " selects \"$value\", which no CHOICEDATA offers" unless $texts{$value};
    my @tabs = grep { $_->nodeName eq 'ONGLET' } elements($choice);
    push @problems, where($element) . ' has tabs but no entry that enables them'
      if @tabs && !grep { ( $_->getAttribute('Sensitive') // '' ) eq '1' } @entries;
    push @problems, map { check_tab( $_, $seen ) } @tabs;
    return @problems;
}

sub check_settings {
    my ( $element, $seen ) = @_;
    my @problems = check_documented( $element, 'Label' );
    my $container = first_element($element);
    return where($element) . ' has no key container' unless $container;
    my @children = elements($container);
    push @problems, where($element) . ' key container does not start with COMMENT'
      unless @children && $children[0]->nodeName eq 'COMMENT';
    push @problems, where($element) . ' has no key' unless @children > 1;
    my %predefined = map { $_ => 1 } @PREDEFINED_KEYS;
    for my $key ( @children[ 1 .. $#children ] ) {
        my @tags = map { $_->nodeName } elements($key);
        if ( $key->nodeName eq 'INIFIELD' ) {
            $seen->{'key kind'}{user}++;
            push @problems, where($key) . " holds @tags instead of COMMENT KEY VALUE"
              unless "@tags" eq 'COMMENT KEY VALUE';
            push @problems, where($key) . ' is a user key without Doc="ISOTHERS"'
              unless ( $key->getAttribute('Doc') // '' ) eq 'ISOTHERS';
            push @problems, where($key) . ' has an empty KEY' if text_of( child( $key, 'KEY' ) ) eq '';
        }
        elsif ( $predefined{ $key->nodeName } ) {
            $seen->{'key kind'}{predefined}++;
            $seen->{'predefined key'}{ $key->nodeName }++;
            push @problems, check_documented( $key, qw(Doc Label) ), check_comment($key);
            push @problems, where($key) . ' has no VALUE' unless child( $key, 'VALUE' );
        }
        else {
            push @problems, where($key) . ' is neither a predefined nor a user key';
        }
    }
    return @problems;
}

my %CHECK_ELEMENT = (
    comment  => sub { return check_comment( $_[0] ) },
    freetext => sub {
        my ($element) = @_;
        return ( check_documented( $element, qw(Label Doc) ), check_comment($element),
            child( $element, 'VALUE' ) ? () : where($element) . ' has no VALUE' );
    },
    textfile => sub {
        my ($element) = @_;
        my @tags = map { $_->nodeName } elements($element);
        return ( check_documented( $element, 'Name' ),
            "@tags" eq 'COMMENT VALUE' ? () : where($element) . " holds @tags instead of COMMENT VALUE" );
    },
    function => sub {
        my ( $element, $seen ) = @_;
        my ($function) = grep { defined } map { child( $element, $_ ) } @FUNCTIONS;
        return where($element) . ' has no function child' unless $function;
        $seen->{'function child'}{ $function->nodeName }++;
        return ( check_comment($element), check_function($function) );
    },
    item => sub {
        my ( $element, $seen ) = @_;
        return ( check_comment($element), check_wrappers( $element, \%MACRO_FORM, $seen ) );
    },
    choice   => sub { return ( check_comment( $_[0] ), check_choice(@_) ) },
    settings => \&check_settings,
);

# The element a node's pane edits: PC_WEX shows its first child element.
sub pane_element {
    my ( $kind, $element ) = @_;
    return $kind eq 'QAPcWexNode' ? first_element($element) : $element;
}

# ---------------------------------------------------------------------------

my %ANCHORS;
subtest 'reference page' => sub {
    my $html = XML::LibXML->load_html( location => $REFERENCE, recover => 2, suppress_errors => 1 );
    my @names = map { $_->getAttribute('name') } $html->findnodes('//a[@name]');
    $ANCHORS{$_}++ for @names;
    ok( scalar @names, 'has named anchors' );
    no_problems( [ sort grep { $ANCHORS{$_} > 1 } keys %ANCHORS ], 'every anchor name is unique' );
    my @broken = grep { !$ANCHORS{$_} }
      map { ( my $target = $_->getAttribute('href') ) =~ s/^#//; $target }
      grep { $_->getAttribute('href') =~ /^#/ } $html->findnodes('//a[@href]');
    no_problems( \@broken, 'every link inside the page reaches an anchor' );
};

my ( %COVERED, %DOC_TAGS );

sub check_document {
    my ($case) = @_;
    my $raw = slurp( $case->{file} );
    like( $raw, qr/\A<!DOCTYPE ZYN SYSTEM "zyn\.dtd">\r?\n/, 'starts with the ZYN document type' );
    unlike( $raw, qr/<\?xml/, 'has no XML declaration' );
    ok( eval { decode( 'UTF-8', $raw, FB_CROAK ); 1 }, 'is UTF-8' );

    my $root = eval { load( $case->{file} ) };
    unless ( ok( $root, 'parses' ) ) {
        diag($@);
        return;
    }
    is( $root->nodeName, 'ZYN', 'root element' );
    is( $root->getAttribute('Version'),   'V2009',            'Version' );
    is( $root->getAttribute('read_only'), $case->{read_only}, 'read_only' );
    is( $root->getAttribute('type'),      $case->{type},      'type' );
    no_problems( [ check_documented( $root, qw(Name Label Doc) ) ], 'root Name, Label and Doc' );
    my $variant = shown_variant( child( $root, 'LIBCONF' ) );
    is( $variant && $variant->nodeName, $case->{variant}, 'the editor shows the expected language variant' );

    my @nodes = tree_nodes($root);
    my %seen;
    my @problems;
    for my $node (@nodes) {
        my ( $kind, $element ) = @$node;
        my $pane = pane_element( $kind, $element );
        if ( !$pane ) {
            push @problems, where($element) . ' has no element for its pane';
            next;
        }
        $seen{'node kind'}{$kind}++;
        $seen{'settings element'}{ $element->nodeName }++ if $kind eq 'QAIsSettingsNode';
        $seen{'build step'}{ $element->nodeName }++        if $kind eq 'QAPerlNode';
        $seen{'parser element'}{ $element->nodeName }++    if $kind eq 'QAPcAdaNode';
        push @problems, check_documented( $pane, 'Label', 'Doc' )
          unless $kind =~ /^(?:QARootNode|QAIsSettingsNode|QACmdFileNode)$/;
        push @problems, where($element) . ' is a build command without VALUEFCTPERL'
          if $kind eq 'QAPerlNode' && !child( $element, 'VALUEFCTPERL' );
        push @problems, $CHECK_ELEMENT{ $ELEMENT_KIND{$kind} }->( $pane, \%seen );
    }
    $seen{'language variant'}{ $variant->nodeName }++ if $variant;
    no_problems( \@problems, 'every node has the structure its pane edits' );

    my @texts_split = grep { elements($_) || significant_nodes($_) > 1 }
      $root->findnodes('//COMMENT | //VALUE | //KEY | //PROTO | //TAIL | //CHOICEDATA');
    no_problems( [ map { where( $_->parentNode ) . ' ' . $_->nodeName } @texts_split ],
        'every text field is one text node, all of which the editor shows' );

    my $parserconf = child( $root, 'PARSERCONF' );
    my @parts = $parserconf ? significant_nodes($parserconf) : ();
    is( $parts[0] && $parts[0]->nodeName, 'COMMENT', 'PARSERCONF starts with its COMMENT' );
    ok( $parts[1] && $parts[1]->nodeType == XML_ELEMENT_NODE && elements( $parts[1] ),
        'PARSERCONF holds its parsers in a container, its second child' );

    my @undocumented;
    for my $attr ( $root->findnodes('//@Doc') ) {
        my $owner = $attr->getOwnerElement;
        push @undocumented, where($owner) unless $ANCHORS{ $attr->value };
        $DOC_TAGS{ $attr->value }{ $owner->nodeName }++;
    }
    no_problems( \@undocumented, 'every Doc has its anchor in the reference page' );

    my ( $fh, $module ) = tempfile( SUFFIX => '.pm', UNLINK => 1 );
    print {$fh} build_module(@nodes);
    close $fh;
    my $output = `"$^X" -c "$module" 2>&1`;
    is( $?, 0, 'the build commands compile as one Perl module' ) or diag($output);
    return ( $root, \%seen );
}

my %union;
for my $case (@TEMPLATES) {
    ( my $name = $case->{file} ) =~ s{.*/}{};
    subtest $name => sub {
        my ( undef, $seen ) = check_document($case) or return;
        for my $category ( keys %$seen ) {
            $union{$category}{$_} += $seen->{$category}{$_} for keys %{ $seen->{$category} };
        }
    };
}

subtest 'sample target' => sub {
    my ($sample) = check_document( \%SAMPLE );
    return unless $sample;
    my $template = load( $SAMPLE{made_from} );
    isnt( $sample->getAttribute('Name'), $template->getAttribute('Name'), 'has a target name of its own' );
    # Outside the basic settings the sample has the template's structure.
    my $shape = sub {
        my ($root) = @_;
        return [ map { $_->nodePath } map { $_->findnodes('descendant-or-self::*') }
              grep { $_->nodeName ne 'IS' } elements($root) ];
    };
    is_deeply( $shape->($sample), $shape->($template), 'follows the C/C++ template' );
};

# What the four templates must exercise together. Carried binary files
# (QABinFileNode) are only ever added by users, through the encoder.
my %EXPECTED = (
    'node kind' => [
        qw(QARootNode QAIsNode QAIsSettingsNode QABuildNode QAPerlNode QACmdFileNode
          QALibConfNode QALCCommentNode QALCComment2Node QALCFreeTextNode QALCChoiceNode
          QALCItemNode QALCFctNode QAJavaCustom QAJvmpiCustom QAParserNode QAPcWexNode
          QAPcEdgNode QAPcOtNode QAPcAdaNode)
    ],
    'settings element' => \@SETTINGS,
    'predefined key'   => \@PREDEFINED_KEYS,
    'key kind'         => [qw(predefined user)],
    'build step'       => \@BUILD_STEPS,
    'language variant' => [qw(LIBCONFC LIBCONFA LIBCONFJAVA)],
    'function child'   => \@FUNCTIONS,
    'macro kind'       => [ sort keys %MACRO_FORM ],
    'choice entry'     => [qw(sensitive insensitive)],
    'tab kind'         => [qw(code item)],
    'code tab'         => \@TAB_FUNCTIONS,
    'tab macro'        => \@TAB_MACROS,
    'parser element'   => \@PARSER_ADA,
);

subtest 'the templates together' => sub {
    for my $category ( sort keys %EXPECTED ) {
        my @missing = grep { !$union{$category}{$_} } @{ $EXPECTED{$category} };
        no_problems( \@missing, "every $category occurs" );
    }
    my @shared = map { "$_: " . join( ' ', sort keys %{ $DOC_TAGS{$_} } ) }
      grep { keys %{ $DOC_TAGS{$_} } > 1 } sort keys %DOC_TAGS;
    no_problems( \@shared, 'each Doc anchor documents one kind of element' );
};

done_testing;
